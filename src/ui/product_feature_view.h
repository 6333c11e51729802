#ifndef QUORVEX_UI_PRODUCT_FEATURE_VIEW_H_
#define QUORVEX_UI_PRODUCT_FEATURE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QWidget;

namespace quorvex {
class ProductFeatureDialog;
}

namespace quorvex::ui {

// The view of "Add/Edit Product Feature": "Feature &Name:", "&Customer Input
// Feature" with "&Text Box Size:", and the possible values: "&Value:" with
// "&Add", "Chan&ge" and "&Remove" beside the list of values.
class ProductFeatureView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ProductFeatureView(ProductFeatureDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  ProductFeatureDialog& model_;
  QCheckBox* customerInput_;
  QLineEdit* textBoxSize_;
  QWidget* valueControls_;
  QLineEdit* value_;
  QListWidget* values_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_FEATURE_VIEW_H_
