#ifndef QUORVEX_UI_PRODUCT_FEATURES_VIEW_H_
#define QUORVEX_UI_PRODUCT_FEATURES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class ProductFeaturesDialog;
}

namespace quorvex::ui {

// The view of "Product Features": the feature definitions, each with its
// options, and "&Add...", "&Edit..." (also a double click) and "&Remove".
class ProductFeaturesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ProductFeaturesView(ProductFeaturesDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  ProductFeaturesDialog& model_;
  QListWidget* list_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_FEATURES_VIEW_H_
