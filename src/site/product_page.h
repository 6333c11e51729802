#ifndef QUORVEX_SITE_PRODUCT_PAGE_H_
#define QUORVEX_SITE_PRODUCT_PAGE_H_

#include <cstdint>
#include <string>

#include "site/full_page.h"
#include "site/product_sub_pages.h"

namespace quorvex {

// The product catalogue page: how items are listed and linked, and the three
// product sub-pages. All int fields but itemsPerPage are flags.
class CProductPage : public CFullPage {
  QUORVEX_PAGE(CProductPage)

 public:
  // Show the portable cart on product pages (shop key portaCart).
  int32_t portaCart = 0;
  // Texts of the links between pages of items.
  std::string previousLinkText = "Back";
  std::string nextLinkText = "More...";
  int32_t showWeight = 0;
  int32_t showPartNumber = 1;
  int32_t showPrice = 1;
  // The display style file.
  std::string layoutFile = "Display Styles\\Display Default.html";
  int32_t showFeatures = 1;
  int32_t showImage = 1;
  int32_t showDescription = 1;
  int32_t showBuyMe = 1;
  int32_t showAddedDescription = 1;
  // Which parts of an item link to its individual product page, and the text
  // of the text link.
  int32_t linkOnWeight = 0;
  std::string linkText = "More Info";
  int32_t linkOnText = 1;
  int32_t linkOnPartNumber = 0;
  int32_t linkOnImage = 1;
  int32_t linkOnPrice = 0;
  int32_t linkOnDescription = 0;
  int32_t linkOnAddedDescription = 0;
  // Items per catalogue page, or all items of a category on one page.
  int32_t itemsPerPage = 10;
  int32_t displayAllItems = 0;
  // The "Buy Me" button opens the shopping cart.
  int32_t buyMeOpensCart = 1;
  CFeaturePage featuredPage;
  CCategoryPage categoryPage;
  CSearchPage searchPage;

  CProductPage();

  // Own part, record version 3: the three sub-pages in full (featured,
  // category, search), buyMeOpensCart, portaCart, displayAllItems,
  // itemsPerPage, nextLinkText, previousLinkText, the seven linkOn flags
  // (added description, description, image, price, part number, weight,
  // text), linkText, showAddedDescription, showBuyMe, showDescription,
  // showFeatures, showImage, layoutFile, showPrice, showPartNumber,
  // showWeight. Version 1 holds only the sub-pages; version 2 lacks
  // portaCart. Another version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CProductPage&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PRODUCT_PAGE_H_
