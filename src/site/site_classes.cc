#include "site/site_classes.h"

#include "document/class_registry.h"
#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/full_page.h"
#include "site/ind_prod_data.h"
#include "site/ind_prod_page.h"
#include "site/order_form_page.h"
#include "site/page.h"
#include "site/page_data.h"
#include "site/plain_pages.h"
#include "site/prod_half_pages.h"
#include "site/product_page.h"
#include "site/product_sub_pages.h"
#include "site/spec_category_page.h"

namespace quorvex {

void registerSiteClasses(ClassRegistry& registry) {
  registry.add<CPage>(4, false);
  registry.add<CFullPage>(10, true, "CPage");
  registry.add<CProdHalfPages>(6, true, "CPage");

  registry.add<CProductPage>(3, true, "CFullPage");
  registry.add<COrderFormPage>(2, true, "CFullPage");
  registry.add<CCouponPage>(1, true, "CFullPage");
  registry.add<CIndProdPage>(1, true, "CFullPage");
  registry.add<CSpecCategoryPage>(1, true, "CFullPage");
  registry.add<CArticlesPage>(1, false, "CFullPage");
  registry.add<CContactPage>(1, false, "CFullPage");
  registry.add<CDownloadPage>(1, false, "CFullPage");
  registry.add<CHomePage>(1, false, "CFullPage");
  registry.add<CInfoPage>(1, false, "CFullPage");
  registry.add<CMagazinePage>(1, false, "CFullPage");
  registry.add<CNewspaperPage>(1, false, "CFullPage");
  registry.add<CThankYouPage>(1, false, "CFullPage");

  registry.add<CCategoryPage>(3, true, "CProdHalfPages");
  registry.add<CFeaturePage>(1, false, "CProdHalfPages");
  registry.add<CSearchPage>(1, false, "CProdHalfPages");

  registry.add<CPageData>(1, false);
  registry.add<CIndProdData>(1, false);
}

}  // namespace quorvex
