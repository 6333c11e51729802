#ifndef QUORVEX_UI_EDIT_CATEGORY_NAMES_VIEW_H_
#define QUORVEX_UI_EDIT_CATEGORY_NAMES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QTreeWidget;

namespace quorvex {
class EditCategoryNamesModel;
}

namespace quorvex::ui {

// The view of "Edit Category Names": the categories with the names the web
// pages show, each edited in "Category Name" by "&Edit" or a double click.
class EditCategoryNamesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  EditCategoryNamesView(EditCategoryNamesModel& model, std::function<void()> help,
                        QWidget* parent);

 private:
  void showModel() override;
  void edit();

  EditCategoryNamesModel& model_;
  QTreeWidget* list_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_EDIT_CATEGORY_NAMES_VIEW_H_
