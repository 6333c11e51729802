#ifndef QUORVEX_APP_PRODUCT_SORTING_MODEL_H_
#define QUORVEX_APP_PRODUCT_SORTING_MODEL_H_

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "app/dialog_model.h"
#include "products/extra_fields.h"

namespace quorvex {

// The rules of "Product Sorting": three keys ("&Sort products by:", "&Then
// by:", "Th&en by:"), each switched on or off, with a column chosen from the
// table's sort key choices and "Ascending" or "Descending". The view edits
// the keys itself; the model has no operation that changes them.
class ProductSortingModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  static constexpr std::string_view kNote =
      "Note:  Products will only appear sorted on final web site and not within Quorvex.";

  // One key as the dialog shows it.
  struct Key {
    bool enabled = false;
    // The column number; the list shows productColumnName(column).
    int32_t column = 0;
    bool descending = false;
  };

  // Opens on the settings of `table`.
  explicit ProductSortingModel(const CExtraFields& table);

  // The columns each key list offers, in order (CExtraFields::sortKeyChoices()).
  const std::vector<int32_t>& choices() const { return choices_; }

  // The three keys, preselected from the table: a stored column the list
  // does not offer preselects the list's first entry.
  std::array<Key, 3> keys;

  // OK: stores the keys in `table` (sortEnabled ... sortDescending3).
  void apply(CExtraFields& table) const;

 private:
  std::vector<int32_t> choices_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PRODUCT_SORTING_MODEL_H_
