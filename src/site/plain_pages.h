#ifndef QUORVEX_SITE_PLAIN_PAGES_H_
#define QUORVEX_SITE_PLAIN_PAGES_H_

#include "site/full_page.h"
#include "site/page_default_texts.h"
#include "site/plain_page.h"

namespace quorvex {

// The page kinds that add nothing to a full page but their defaults (type,
// label, template file, number of text blocks and texts).

class CHomePage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CHomePage)

 public:
  CHomePage() : PlainPage(kHomePageType, 1, kHomePageTexts) {}
};

class CInfoPage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CInfoPage)

 public:
  CInfoPage() : PlainPage(kInfoPageType, 1, kInfoPageTexts) {}
};

class CArticlesPage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CArticlesPage)

 public:
  CArticlesPage() : PlainPage(kArticlesPageType, 2, kInfoPageTexts) {}
};

class CNewspaperPage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CNewspaperPage)

 public:
  CNewspaperPage() : PlainPage(kNewspaperPageType, 3, kInfoPageTexts) {}
};

class CMagazinePage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CMagazinePage)

 public:
  CMagazinePage() : PlainPage(kMagazinePageType, 3, kInfoPageTexts) {}
};

class CCouponPage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CCouponPage)

 public:
  CCouponPage() : PlainPage(kCouponPageType, 1, kCouponPageTexts) {}
};

class CThankYouPage : public PlainPage<CFullPage> {
  QUORVEX_PAGE(CThankYouPage)

 public:
  CThankYouPage() : PlainPage(kThankYouPageType, 1, kThankYouPageTexts) {}
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PLAIN_PAGES_H_
