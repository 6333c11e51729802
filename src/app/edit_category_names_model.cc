#include "app/edit_category_names_model.h"

#include <unordered_map>

namespace quorvex {

EditCategoryNamesModel::EditCategoryNamesModel(const Env& env, CExtraFields& table)
    : DialogModel("Edit Category Names"),
      env_(env),
      table_(table),
      originalNames_(table.categoryNames) {}

bool EditCategoryNamesModel::listed(int32_t index) const {
  return index >= 0 && index < static_cast<int32_t>(table_.categoryNames.size()) &&
         index < static_cast<int32_t>(table_.categoryDescriptions.size());
}

std::optional<CategoryNameForm> EditCategoryNamesModel::openCategory(int32_t index) {
  if (!listed(index)) {
    env_.prompter().showMessage("No category is currently selected");
    return std::nullopt;
  }
  return CategoryNameForm::open(table_.categoryNames[index], table_.categoryDescriptions[index]);
}

void EditCategoryNamesModel::setCategory(int32_t index, const CategoryNameForm& form) {
  if (!listed(index)) return;
  table_.categoryDescriptions[index] = form.confirmedDescription();
  if (!table_.isImported() && !form.description.empty()) {
    table_.categoryNames[index] = form.description;
  }
  notifyChanged();
}

bool EditCategoryNamesModel::confirm() {
  if (table_.isImported()) return true;
  std::unordered_map<std::string, std::string> renamed;
  const size_t kept = std::min(originalNames_.size(), table_.categoryNames.size());
  for (size_t i = 0; i < kept; ++i) {
    if (originalNames_[i] != table_.categoryNames[i]) {
      renamed.try_emplace(originalNames_[i], table_.categoryNames[i]);
    }
  }
  const std::vector<std::string> names = table_.categoryNames;
  const std::vector<std::string> descriptions = table_.categoryDescriptions;
  table_.clearRows();
  // An unreadable PriceList.txt (its error shown) is left as it is; writing
  // the empty table over it would lose every product.
  if (Status read = table_.readRows(env_, true);
      !read.ok() && read.code() != Status::Code::kNotFound) {
    return false;
  }
  for (CExtraItem& row : table_.rows) {
    auto it = renamed.find(row.category);
    if (it != renamed.end()) row.category = it->second;
  }
  table_.categoryNames = names;
  table_.categoryDescriptions = descriptions;
  const bool written = table_.writeRows(env_);
  table_.clearRows();
  return written;
}

}  // namespace quorvex
