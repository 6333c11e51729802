#include "site/product_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_default_texts.h"

namespace quorvex {

CProductPage::CProductPage() : CFullPage(kProductPageType, 1, kProductPageTexts) {}

void CProductPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  const int32_t version = ar.recordVersion(3);
  if (version < 1 || version > 3) return;
  featuredPage.serialize(ar);
  categoryPage.serialize(ar);
  searchPage.serialize(ar);
  if (version == 1) return;
  ar.io(buyMeOpensCart);
  if (version >= 3) ar.io(portaCart);
  ar.io(displayAllItems);
  ar.io(itemsPerPage);
  ar.io(nextLinkText);
  ar.io(previousLinkText);
  for (int32_t* flag : {&linkOnAddedDescription, &linkOnDescription, &linkOnImage, &linkOnPrice,
                        &linkOnPartNumber, &linkOnWeight, &linkOnText}) {
    ar.io(*flag);
  }
  ar.io(linkText);
  for (int32_t* flag :
       {&showAddedDescription, &showBuyMe, &showDescription, &showFeatures, &showImage}) {
    ar.io(*flag);
  }
  ar.io(layoutFile);
  ar.io(showPrice);
  ar.io(showPartNumber);
  ar.io(showWeight);
}

void CProductPage::visitFields(FieldVisitor& visitor) {
  CFullPage::visitFields(visitor);
  visitor.field("featuredPage", featuredPage);
  visitor.field("categoryPage", categoryPage);
  visitor.field("searchPage", searchPage);
  visitor.field("buyMeOpensCart", buyMeOpensCart);
  visitor.field("portaCart", portaCart);
  visitor.field("displayAllItems", displayAllItems);
  visitor.field("itemsPerPage", itemsPerPage);
  visitor.field("nextLinkText", nextLinkText);
  visitor.field("previousLinkText", previousLinkText);
  visitor.field("linkOnAddedDescription", linkOnAddedDescription);
  visitor.field("linkOnDescription", linkOnDescription);
  visitor.field("linkOnImage", linkOnImage);
  visitor.field("linkOnPrice", linkOnPrice);
  visitor.field("linkOnPartNumber", linkOnPartNumber);
  visitor.field("linkOnWeight", linkOnWeight);
  visitor.field("linkOnText", linkOnText);
  visitor.field("linkText", linkText);
  visitor.field("showAddedDescription", showAddedDescription);
  visitor.field("showBuyMe", showBuyMe);
  visitor.field("showDescription", showDescription);
  visitor.field("showFeatures", showFeatures);
  visitor.field("showImage", showImage);
  visitor.field("layoutFile", layoutFile);
  visitor.field("showPrice", showPrice);
  visitor.field("showPartNumber", showPartNumber);
  visitor.field("showWeight", showWeight);
}

}  // namespace quorvex
