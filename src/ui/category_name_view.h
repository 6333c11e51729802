#ifndef QUORVEX_UI_CATEGORY_NAME_VIEW_H_
#define QUORVEX_UI_CATEGORY_NAME_VIEW_H_

#include <QDialog>

#include "products/category_name_form.h"

class QLineEdit;

namespace quorvex::ui {

// "Category Name": "Category:", "Description:" and "&Do NOT publish any
// items in this category", which makes the description read-only while it
// is checked. Edits `form`, which must outlive the dialog; the caller reads
// it back after OK.
class CategoryNameView : public QDialog {
  Q_OBJECT

 public:
  CategoryNameView(CategoryNameForm& form, QWidget* parent);

 private:
  CategoryNameForm& form_;
  QLineEdit* description_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CATEGORY_NAME_VIEW_H_
