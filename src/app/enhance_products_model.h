#ifndef QUORVEX_APP_ENHANCE_PRODUCTS_MODEL_H_
#define QUORVEX_APP_ENHANCE_PRODUCTS_MODEL_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/change_notifier.h"
#include "platform/env.h"
#include "products/extra_fields.h"
#include "products/product_list_conversion.h"

namespace quorvex {

// An attribute that "Enhance Product Descriptions" sets on the selected
// rows, each through its own dialog.
enum class ProductAttribute {
  kLink,             // "&Link": "Product Link"
  kPicture,          // "P&icture": "Product Picture"
  kProductFeatures,  // "P&roduct Features": "Product Feature Flags"
  kFeaturedItem,     // "&Featured Item": "Featured Item Flag"
  kPublishItem,      // "P&ublish Item": "Publish Item Flag"
  kDownloadItem,     // "&Download Item": "Downloaded Item Properties"
};

// The rules of "Enhance Product Descriptions": which rows each "Filter
// Products by:" entry shows, and the steps before and after an attribute
// dialog and "Set All Attributes". Rows are addressed by their index in the
// table; the view maps its lines to them. The step's view makes one on the
// step's copy of the table (ProductTableStep::table) and listens to it: every
// operation that changes rows notifies when it is done.
class EnhanceProductsModel : public ChangeNotifier {
 public:
  // Edits `table` (the dialog's copy, its rows loaded); both must outlive the
  // model.
  EnhanceProductsModel(const Env& env, CExtraFields& table);

  // Returns the entries of "Filter Products by:": "All Products", "With
  // Thumbnails", ... "Not Downloaded", then each descriptive category name
  // of the rows once, in order of first occurrence (rows of the category
  // "none" add none).
  std::vector<std::string> filterEntries() const;

  // Returns the rows that `entry` shows, in table order; none for an unknown
  // entry.
  std::vector<int32_t> rowsShown(std::string_view entry) const;

  // The grid's "Category" of a row: its category's descriptive name; "" when
  // the category is not listed.
  std::string categoryShown(int32_t row) const;

  // A button of `attribute` pressed with `selectedRows`. In order: for a
  // column fed from the external file, the two conversion questions
  // (ProductListConversion); no selection: "Please, select one or more items
  // you wish to set."; an empty table: "You must have at least one item in
  // the database to set properties." (for the product features without a
  // definition: "You have no product features to select.  Please add one or
  // more before doing this."); when the selected rows differ in the
  // attribute, one question "Not all the products selected currently have
  // the same ...\nDo you want to continue?". Returns true when the attribute
  // dialog is to open, on the first selected row's values.
  bool beginSetAttribute(ProductAttribute attribute, const std::vector<int32_t>& selectedRows);

  // The attribute dialogs' OK: each sets its values on every selected row,
  // under the guards of the table's setters.
  void setLink(const std::vector<int32_t>& rows, std::string_view link, int32_t linkFlag);
  void setPicture(const std::vector<int32_t>& rows, std::string_view picture,
                  int32_t pictureFlag);
  // `selections` has one entry per feature definition.
  void setFeatureSelections(const std::vector<int32_t>& rows,
                            const std::vector<CFeatureCheck>& selections);
  void setFeatureFlag(const std::vector<int32_t>& rows, int32_t featureFlag);
  void setPublishState(const std::vector<int32_t>& rows, int32_t publishState);
  void setDownload(const std::vector<int32_t>& rows, std::string_view path,
                   std::string_view password, int32_t downloadFlag, int32_t uploadFlag);

  // "&Set All Attributes" pressed: without a selection "Please, select an
  // item you wish to set.", with more than one selected row "Sorry, you may
  // only set all of the attributes of one item at a time.\nPlease, select
  // only one row and try again.", on an empty table the message of
  // beginSetAttribute(). Returns true when "Set All Attributes" is to open.
  bool beginSetAll(const std::vector<int32_t>& selectedRows);

  // Returns true when "Set All Attributes" shows the control of `column`
  // (sales description, link, picture, publish state, feature flag) without
  // letting it change: the column is fed from the external file.
  bool lockedInSetAll(int32_t column) const;

  // "Set All Attributes" confirmed for `row` with the values of `values`:
  // tax flag, publish state, featured state, picture with its flag, sales
  // description, link with its flag, the download values and the feature
  // selections; the locked columns keep theirs.
  void setAllAttributes(int32_t row, const CExtraItem& values);

 private:
  // Whether the row indexes are all rows of the table.
  bool validRows(const std::vector<int32_t>& rows) const;
  // Step 3: the table has rows (and, for the features, definitions).
  bool haveRowsFor(ProductAttribute attribute);
  // Step 4: asks whether to go on when the selected rows differ.
  bool sameOrAgreed(ProductAttribute attribute, const std::vector<int32_t>& selectedRows);
  // Calls `set` with each of `rows` made current.
  template <class Setter>
  void forEachRow(const std::vector<int32_t>& rows, Setter set);

  const Env& env_;
  CExtraFields& table_;
  ProductListConversion conversion_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_ENHANCE_PRODUCTS_MODEL_H_
