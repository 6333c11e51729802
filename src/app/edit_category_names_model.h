#ifndef QUORVEX_APP_EDIT_CATEGORY_NAMES_MODEL_H_
#define QUORVEX_APP_EDIT_CATEGORY_NAMES_MODEL_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_model.h"
#include "platform/env.h"
#include "products/category_name_form.h"
#include "products/extra_fields.h"

namespace quorvex {

// The rules of "Edit Category Names": each category's descriptive name is
// set in "Category Name"; for an in-program table the category itself is
// renamed, and confirming the dialog renames the rows' categories in
// PriceList.txt. setCategory() notifies the listeners.
class EditCategoryNamesModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits the category lists of `table` (the dialog's copy); `env` and
  // `table` must outlive the model.
  EditCategoryNamesModel(const Env& env, CExtraFields& table);

  // The edited table, whose category lists the dialog shows.
  const CExtraFields& table() const { return table_; }

  // "Category Name" opened on the selected category `index` (-1 for none).
  // Without a selection shows "No category is currently selected" and
  // returns nullopt.
  std::optional<CategoryNameForm> openCategory(int32_t index);

  // "Category Name" confirmed for category `index`: its description becomes
  // the confirmed one; for an in-program table the category takes the
  // entered text as its name (an empty text keeps the old name, so that no
  // row ends up without a category).
  void setCategory(int32_t index, const CategoryNameForm& form);

  // The dialog confirmed. For an in-program table reads the rows from
  // PriceList.txt, gives every row of a renamed category (exact comparison)
  // the new name, writes PriceList.txt and releases the rows; the edited
  // lists stay. Returns false when the file could not be read or written.
  bool confirm();

 private:
  bool listed(int32_t index) const;

  const Env& env_;
  CExtraFields& table_;
  // The names as they were when the dialog opened.
  std::vector<std::string> originalNames_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_EDIT_CATEGORY_NAMES_MODEL_H_
