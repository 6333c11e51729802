#ifndef QUORVEX_UI_PRODUCT_LIST_VIEW_H_
#define QUORVEX_UI_PRODUCT_LIST_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QPushButton;
class QTableView;
class QWidget;

namespace quorvex {
class ProductTableStep;
}

namespace quorvex::ui {

class ProductTableModel;

// The view of the step "Create Or Import Product List": the product rows in
// a grid and the buttons "&Modify Product List", "&Edit Category Names" and
// "&Advanced >>", which shows "Create New Product List", "Import External
// Product List" and "Image File Path" and then reads "&Simple <<".
class ProductListView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ProductListView(ProductTableStep& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;
  void toggleAdvanced();

  ProductTableStep& model_;
  ProductTableModel* rows_;
  QTableView* grid_;
  QPushButton* advancedButton_;
  QWidget* advanced_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_LIST_VIEW_H_
