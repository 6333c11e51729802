#ifndef QUORVEX_UI_FEATURE_FLAGS_VIEW_H_
#define QUORVEX_UI_FEATURE_FLAGS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class FeatureFlagsDialog;
}

namespace quorvex::ui {

// The view of "Product Feature Flags": one checkable entry per feature of
// the product, ticked when the product offers it, with its chosen options;
// "&Select Feature Options" (or a double click) chooses the options of the
// selected entry.
class FeatureFlagsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  FeatureFlagsView(FeatureFlagsDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  FeatureFlagsDialog& model_;
  QListWidget* list_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_FEATURE_FLAGS_VIEW_H_
