#include "company/class_table.h"

#include "document/company_classes.h"
#include "document/string_array.h"
#include "products/product_classes.h"
#include "publish/publish_classes.h"
#include "site/site_classes.h"

namespace quorvex {

const ClassRegistry& documentClasses() {
  static const ClassRegistry* registry = [] {
    auto* made = new ClassRegistry();
    made->add<CStringArray>(0, false);
    registerCompanyClasses(*made);
    registerProductClasses(*made);
    registerSiteClasses(*made);
    registerTemplateClasses(*made);
    registerPublishClasses(*made);
    return made;
  }();
  return *registry;
}

}  // namespace quorvex
