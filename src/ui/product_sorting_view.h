#ifndef QUORVEX_UI_PRODUCT_SORTING_VIEW_H_
#define QUORVEX_UI_PRODUCT_SORTING_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class ProductSortingModel;
}

namespace quorvex::ui {

// The view of "Product Sorting": for each of "&Sort products by:", "&Then
// by:" and "Th&en by:" a switch, the column and "Ascending"/"Descending",
// and the note that the sorting shows on the web site only.
class ProductSortingView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ProductSortingView(ProductSortingModel& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_SORTING_VIEW_H_
