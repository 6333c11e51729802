#include "app/create_price_list_model.h"

#include "products/product_column.h"

namespace quorvex {

CreatePriceListModel::CreatePriceListModel(CExtraFields& table, Prompter& prompter)
    : DialogModel("Create Price List"), table_(table), prompter_(prompter) {}

CreatePriceListModel::ItemResult CreatePriceListModel::addItem(PriceListItem item) {
  return storeNew(std::move(item), -1);
}

CreatePriceListModel::ItemResult CreatePriceListModel::insertItem(PriceListItem item,
                                                                  int32_t selectedLine) {
  return storeNew(std::move(item), selectedLine < 0 ? 0 : selectedLine);
}

CreatePriceListModel::ItemResult CreatePriceListModel::storeNew(PriceListItem item,
                                                                int32_t position) {
  if (!item.checkAndComplete(prompter_)) return ItemResult::kStayOpen;
  if (!table_.addRow(item.partNumber, position)) {
    prompter_.showMessage(kPartNumberInUseMessage);
    return ItemResult::kReopen;
  }
  const int32_t count = static_cast<int32_t>(table_.rows.size());
  table_.currentRow = position < 0 || position >= count ? count - 1 : position;
  setValues(item);
  return ItemResult::kStored;
}

std::optional<PriceListItem> CreatePriceListModel::beginEdit(
    const std::vector<int32_t>& selectedLines) {
  if (selectedLines.empty()) {
    prompter_.showMessage("Please, select an item you wish to edit.");
    return std::nullopt;
  }
  if (selectedLines.size() > 1) {
    prompter_.showMessage(
        "Sorry, you may only edit one item at a time.\nPlease, select only one row and try "
        "again.");
    return std::nullopt;
  }
  const int32_t line = selectedLines.front();
  if (line < 0 || line >= static_cast<int32_t>(table_.rows.size())) return std::nullopt;
  const CExtraItem& row = table_.rows[line];
  return PriceListItem{row.partNumber, row.description, row.price, row.weight, row.category};
}

CreatePriceListModel::ItemResult CreatePriceListModel::editItem(int32_t line,
                                                                PriceListItem item) {
  if (line < 0 || line >= static_cast<int32_t>(table_.rows.size())) return ItemResult::kStayOpen;
  if (!item.checkAndComplete(prompter_)) return ItemResult::kStayOpen;
  table_.currentRow = line;
  if (!table_.setPartNumber(item.partNumber)) {
    prompter_.showMessage(kPartNumberInUseMessage);
    return ItemResult::kReopen;
  }
  setValues(item);
  return ItemResult::kStored;
}

void CreatePriceListModel::setValues(const PriceListItem& item) {
  table_.setText(kDescriptionColumn, item.description);
  table_.setText(kPriceColumn, item.price);
  table_.setText(kCategoryColumn, item.category);
  table_.setText(kWeightColumn, item.weight);
  table_.addCategory(table_.currentItem().category);
  notifyChanged();
}

bool CreatePriceListModel::deleteItems(const std::vector<int32_t>& selectedLines) {
  if (selectedLines.empty()) {
    prompter_.showMessage("Please, select one or more items you wish to delete.");
    return false;
  }
  const char* question = selectedLines.size() == 1
                             ? "Are you sure you want to delete this item?"
                             : "Are you sure you want to delete these items?";
  if (!prompter_.askYesNo(question)) return false;
  table_.deleteRows(selectedLines);
  notifyChanged();
  return true;
}

bool CreatePriceListModel::confirmCancel() {
  return prompter_.askYesNo("Are you sure you want to destroy the changes you've made?");
}

}  // namespace quorvex
