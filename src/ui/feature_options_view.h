#ifndef QUORVEX_UI_FEATURE_OPTIONS_VIEW_H_
#define QUORVEX_UI_FEATURE_OPTIONS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class FeatureOptionsDialog;
}

namespace quorvex::ui {

// The view of "Select Feature Options": one checkable entry per option of
// the feature, ticked when the product offers it.
class FeatureOptionsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  FeatureOptionsView(FeatureOptionsDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  FeatureOptionsDialog& model_;
  QListWidget* list_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_FEATURE_OPTIONS_VIEW_H_
