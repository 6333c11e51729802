#ifndef QUORVEX_APP_CREATE_PRICE_LIST_MODEL_H_
#define QUORVEX_APP_CREATE_PRICE_LIST_MODEL_H_

#include <cstdint>
#include <optional>
#include <vector>

#include "app/dialog_model.h"
#include "platform/prompter.h"
#include "products/extra_fields.h"
#include "products/price_list_item.h"

namespace quorvex {

// The rules of "Create Price List", which edits the rows of an in-program
// table: a grid of the rows in table order (line number, "Part Number",
// "Category", "Description", "Price", "Weight") with the buttons "&Add Item",
// "&Insert Item", "&Edit Item" and "&Delete Item". Lines are row indexes.
// OK writes PriceList.txt (done by whoever holds the edited copy). Every
// operation that changes rows notifies when it is done.
class CreatePriceListModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // What became of an item dialog's OK.
  enum class ItemResult {
    // The row was stored.
    kStored,
    // A rule failed; its message was shown and the dialog stays open.
    kStayOpen,
    // The part number belongs to another row; its message was shown and the
    // dialog opens again with the entered values.
    kReopen,
  };

  // Edits `table` (the dialog's copy, its rows loaded); both `table` and
  // `prompter` must outlive the model.
  CreatePriceListModel(CExtraFields& table, Prompter& prompter);

  // The edited table, whose rows the grid shows.
  const CExtraFields& table() const { return table_; }

  // "&Add Item": appends the row after the item rules, sets its description,
  // price, category and weight and lists its category.
  ItemResult addItem(PriceListItem item);

  // "&Insert Item": as addItem(), but before `selectedLine` (-1 for none:
  // at the start).
  ItemResult insertItem(PriceListItem item, int32_t selectedLine);

  // "&Edit Item" pressed: returns the values of the one selected line.
  // Without a selection shows "Please, select an item you wish to edit.",
  // with more than one "Sorry, you may only edit one item at a time.\nPlease,
  // select only one row and try again.", and returns nullopt.
  std::optional<PriceListItem> beginEdit(const std::vector<int32_t>& selectedLines);

  // The item dialog of "&Edit Item" confirmed for `line`: after the item
  // rules, replaces part number, description, price, category and weight and
  // lists the category. Keeping the part number never counts as a duplicate.
  ItemResult editItem(int32_t line, PriceListItem item);

  // "&Delete Item": without a selection shows "Please, select one or more
  // items you wish to delete."; otherwise asks "Are you sure you want to
  // delete this item?" (one line) or "... these items?" (several) and on Yes
  // removes the lines. Returns whether rows were removed.
  [[nodiscard]] bool deleteItems(const std::vector<int32_t>& selectedLines);

  // Cancel: asks "Are you sure you want to destroy the changes you've
  // made?"; returns true (close) on Yes.
  bool confirmCancel();

 private:
  // Stores `item` in a new row before `position` (-1: at the end).
  ItemResult storeNew(PriceListItem item, int32_t position);
  // Sets the values other than the part number on the current row.
  void setValues(const PriceListItem& item);

  CExtraFields& table_;
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CREATE_PRICE_LIST_MODEL_H_
