#ifndef QUORVEX_PRODUCTS_EXTRA_ITEM_H_
#define QUORVEX_PRODUCTS_EXTRA_ITEM_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"
#include "products/feature_check.h"

namespace quorvex {

// One product row of the product table. The fields are listed in column order
// (products/product_column.h). The rows live in PriceList.txt; the company
// document stores only some of their fields (see serialize()).
class CExtraItem : public Record {
  QUORVEX_RECORD(CExtraItem)

 public:
  // The record version written by serialize().
  static constexpr int32_t kVersion = 6;

  std::string partNumber;
  std::string description;
  // A decimal number as text.
  std::string price;
  std::string weight;
  std::string category;
  std::string salesDescription;
  std::string link = "http://";
  // A picture file path.
  std::string picture;
  // 0 no picture chosen yet, 1 the item never has a picture, 2 the item shows
  // `picture`.
  int32_t pictureFlag = 0;
  // 0 no link, 1 link to the item's own product page, 2 link to `link`.
  int32_t linkFlag = 0;
  // 0 publish, 1 do not publish this product.
  int32_t publishState = 0;
  // 0 featured item, 1 not featured.
  int32_t featureFlag = 1;
  std::string downloadPath;
  std::string downloadPassword;
  // 0 standard item, 1 downloaded item (the customer receives downloadPath).
  int32_t downloadFlag = 0;
  // Where the downloadable file is uploaded: 0 the user's server, 1 the order
  // server, 2 neither.
  int32_t uploadFlag = 2;
  // 1 charge tax for this item, 0 do not.
  int32_t taxFlag = 1;
  // One choice per product feature definition, in definition order.
  std::vector<CFeatureCheck> featureSelections;

  // Returns the value of `column` (0 to 16) as it is read out: the part
  // number, description, download path and password cleaned
  // (products/product_text.h), the other texts as stored, flags as decimal
  // integers; "" for a number outside 0 to 16.
  std::string columnText(int32_t column) const;

  // Sets the text column `column` to `text`: category, price, sales
  // description, link, picture, download path and password trimmed of white
  // space at both ends, part number, description and weight as given.
  // Returns false and changes nothing when `column` is a flag column or
  // outside 0 to 16.
  bool setText(int32_t column, std::string_view text);

  // Returns the flag of the flag column `column` (8 to 11 and 14 to 16); 0
  // for a text column or a number outside 0 to 16.
  int32_t flag(int32_t column) const;

  // Sets the flag column `column` to `value`, unchecked. Returns false and
  // changes nothing when `column` is a text column or outside 0 to 16.
  bool setFlag(int32_t column, int32_t value);

  // Record version 6: partNumber, salesDescription, link, picture,
  // pictureFlag, linkFlag, publishState, featureFlag, featureSelections,
  // downloadFlag, downloadPath, downloadPassword, uploadFlag. Description,
  // price, weight, category and taxFlag are kept in PriceList.txt only.
  // Reading takes the fields up to featureFlag whatever the version, then by
  // version: 2 the selections; 3 the selections, category, description, price
  // and weight; 4 as 3 and the download flag, path and password; 5 the
  // selections and the download flag, path and password; 6 as 5 and the
  // upload flag. Another version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

 private:
  void ioDownload(Archive& ar);
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_EXTRA_ITEM_H_
