#include "site/page_data.h"

#include <algorithm>
#include <memory>
#include <string_view>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/strings.h"
#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/order_form_page.h"
#include "site/plain_pages.h"
#include "site/product_page.h"
#include "site/spec_category_page.h"

namespace quorvex {
namespace {

constexpr std::string_view kReservedLabels[] = {
    "index", "category", "error", "featureditems", "jserror", "order",
    "thankyou", "search", "shipto", "shop", "view"};
constexpr std::string_view kLabelForbiddenCharacters = "<>&\"#%";

constexpr int32_t kProductGroupTypes[] = {kProductPageType, kThankYouPageType,
                                          kOrderFormPageType, kDownloadPageType};

bool isProductGroupType(int32_t type) {
  return std::find(std::begin(kProductGroupTypes), std::end(kProductGroupTypes), type) !=
         std::end(kProductGroupTypes);
}

// The new pages that one step of addPages creates for `type`, with their
// default labels; none for a type without pages to create.
std::vector<std::unique_ptr<CPage>> newPagesOfType(int32_t type) {
  std::vector<std::unique_ptr<CPage>> made;
  switch (type) {
    case kHomePageType: made.push_back(std::make_unique<CHomePage>()); break;
    case kContactPageType: made.push_back(std::make_unique<CContactPage>()); break;
    case kInfoPageType: made.push_back(std::make_unique<CInfoPage>()); break;
    case kProductPagesGroup:
      made.push_back(std::make_unique<CProductPage>());
      made.push_back(std::make_unique<CThankYouPage>());
      made.push_back(std::make_unique<COrderFormPage>());
      made.push_back(std::make_unique<CDownloadPage>());
      break;
    case kCouponPageType: made.push_back(std::make_unique<CCouponPage>()); break;
    case kDownloadPageType: made.push_back(std::make_unique<CDownloadPage>()); break;
    case kArticlesPageType: made.push_back(std::make_unique<CArticlesPage>()); break;
    case kNewspaperPageType: made.push_back(std::make_unique<CNewspaperPage>()); break;
    case kMagazinePageType: made.push_back(std::make_unique<CMagazinePage>()); break;
    case kSpecCategoryPageType: made.push_back(std::make_unique<CSpecCategoryPage>()); break;
    default: break;
  }
  return made;
}

// The distinct values of `values` in order of first appearance.
std::vector<int32_t> distinctInOrder(const std::vector<int32_t>& values) {
  std::vector<int32_t> distinct;
  for (int32_t value : values) {
    if (std::find(distinct.begin(), distinct.end(), value) == distinct.end()) {
      distinct.push_back(value);
    }
  }
  return distinct;
}

int32_t occurrences(const std::vector<int32_t>& values, int32_t value) {
  return static_cast<int32_t>(std::count(values.begin(), values.end(), value));
}

}  // namespace

void CPageData::addPages(int32_t type, int32_t n) {
  int32_t number = countOfType(type) + 1;
  for (int32_t i = 0; i < n; ++i, ++number) {
    std::vector<std::unique_ptr<CPage>> made = newPagesOfType(type);
    if (made.empty()) return;
    for (std::unique_ptr<CPage>& page : made) {
      page->setLabel(CPage::numberedLabel(page->getLabel(), number));
      pages.emplace_back(std::move(page));
    }
  }
}

void CPageData::followTypes(const std::vector<int32_t>& types) {
  std::vector<int32_t> held;
  for (const Owned<CPage>& page : pages) held.push_back(page->getType());
  const bool wantsProductGroup = occurrences(types, kProductPagesGroup) > 0;
  const bool heldProductGroup =
      std::all_of(std::begin(kProductGroupTypes), std::end(kProductGroupTypes),
                  [&held](int32_t type) { return occurrences(held, type) > 0; });

  for (int32_t type : distinctInOrder(held)) {
    int32_t wanted = occurrences(types, type);
    if (wantsProductGroup && wanted == 0 && isProductGroupType(type)) wanted = 1;
    removeFirstOfType(type, countOfType(type) - wanted);
  }

  for (int32_t type : distinctInOrder(types)) {
    int32_t wanted = occurrences(types, type);
    if (type == kProductPagesGroup && heldProductGroup) --wanted;
    const int32_t missing = wanted - countOfType(type);
    if (missing > 0) addPages(type, missing);
  }
}

void CPageData::ensureDownloadPage() {
  if (countOfType(kProductPageType) > 0 && countOfType(kThankYouPageType) > 0 &&
      countOfType(kOrderFormPageType) > 0 && countOfType(kDownloadPageType) == 0) {
    addPages(kDownloadPageType, 1);
  }
}

void CPageData::resetDisplayedLinks() {
  for (Owned<CPage>& page : pages) page->displayedLinks = kAllLinks;
}

CProductPage* CPageData::productPage() const {
  for (const Owned<CPage>& page : pages) {
    // The type is stored apart from the class, so a damaged document could
    // give another class the product page's type.
    if (page->getType() == kProductPageType) {
      if (auto* product = dynamic_cast<CProductPage*>(page.get())) return product;
    }
  }
  return nullptr;
}

Status CPageData::checkHasPages() const {
  if (!pages.empty()) return Status::success();
  return Status::refused("You have not selected which pages you would like to use in your site yet.");
}

Status CPageData::validateLabel(const std::string& text) {
  const std::string lower = toLowerAscii(text);
  for (std::string_view reserved : kReservedLabels) {
    if (lower == reserved) {
      return Status::invalidArgument(
          "Sorry, but the page label may not be any of the following reserved labels:\n"
          "  Category, Error, FeaturedItems, Index, JSError, Order, ThankYou, Search, ShipTo, "
          "Shop, View");
    }
  }
  if (text.find_first_of(kLabelForbiddenCharacters) != std::string::npos) {
    return Status::invalidArgument("Sorry, page label may not include any of these characters:\n" +
                                   std::string(kLabelForbiddenCharacters));
  }
  return Status::success();
}

Status CPageData::checkUnique(size_t position) const {
  if (position >= pages.size()) return Status::success();
  const std::string& label = pages[position]->getLabel();
  for (size_t i = 0; i < pages.size(); ++i) {
    if (i != position && pages[i]->getLabel() == label) {
      return Status::invalidArgument(
          "Sorry, the Page Label \"" + label +
          "\" is being used by another page.\nPlease, choose another label "
          "before continuing.");
    }
  }
  return Status::success();
}

int32_t CPageData::countOfType(int32_t type) const {
  return static_cast<int32_t>(std::count_if(pages.begin(), pages.end(), [type](const auto& page) {
    return page->getType() == type;
  }));
}

void CPageData::removeFirstOfType(int32_t type, int32_t surplus) {
  for (auto it = pages.begin(); it != pages.end() && surplus > 0;) {
    if ((*it)->getType() == type) {
      it = pages.erase(it);
      --surplus;
    } else {
      ++it;
    }
  }
}

void CPageData::serialize(Archive& ar) { ar.ioObjectList(pages); }

void CPageData::visitFields(FieldVisitor& visitor) { visitor.field("pages", pages); }

}  // namespace quorvex
