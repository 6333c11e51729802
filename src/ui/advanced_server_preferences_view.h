#ifndef QUORVEX_UI_ADVANCED_SERVER_PREFERENCES_VIEW_H_
#define QUORVEX_UI_ADVANCED_SERVER_PREFERENCES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class AdvancedServerPreferencesDialog;
}

namespace quorvex::ui {

// The view of "Advanced Server Preferences": every field of the model in
// groups, each option's check box beside the fields it concerns.
class AdvancedServerPreferencesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  AdvancedServerPreferencesView(AdvancedServerPreferencesDialog& model,
                                std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_ADVANCED_SERVER_PREFERENCES_VIEW_H_
