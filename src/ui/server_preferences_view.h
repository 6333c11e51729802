#ifndef QUORVEX_UI_SERVER_PREFERENCES_VIEW_H_
#define QUORVEX_UI_SERVER_PREFERENCES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class ServerPreferencesStep;
}

namespace quorvex::ui {

// The view of "Server Preferences": the web server and the Quorvex account,
// each password masked and typed twice, the order e-mail, the buttons of the
// advanced and credit card preferences and "&Test Connection".
class ServerPreferencesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ServerPreferencesView(ServerPreferencesStep& model, std::function<void()> help,
                        QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SERVER_PREFERENCES_VIEW_H_
