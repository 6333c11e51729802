#include "document/company_classes.h"

#include "document/address.h"
#include "document/business.h"
#include "document/check.h"
#include "document/class_registry.h"
#include "document/contact.h"
#include "document/contact_checks.h"
#include "document/coupon.h"
#include "document/coupon_data.h"
#include "document/extra_order_field.h"
#include "document/font_data.h"
#include "document/label_value.h"
#include "document/shipping.h"
#include "document/shipping_type.h"
#include "document/tax.h"
#include "document/template_font.h"

namespace quorvex {

void registerCompanyClasses(ClassRegistry& registry) {
  registry.add<CFontData>(1, false);
  registry.add<CTemplateFont>(1, true);
  registry.add<CBusiness>(2, true);
  registry.add<CContact>(2, true);
  registry.add<CAddress>(1, false);
  registry.add<CLabelValue>(1, false);
  registry.add<CContactChecks>(1, false);
  registry.add<CCheck>(1, false);
  registry.add<CShipping>(2, true);
  registry.add<CShippingType>(1, false);
  registry.add<CTax>(2, true);
  registry.add<CExtraOrderField>(1, true);
  registry.add<CCouponData>(1, true);
  registry.add<CCoupon>(1, true);
}

}  // namespace quorvex
