#ifndef QUORVEX_UI_QT_PROMPTER_H_
#define QUORVEX_UI_QT_PROMPTER_H_

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/prompter.h"

namespace quorvex::ui {

// The prompter of the desktop program: every message and question is a
// modal QMessageBox, titled "Quorvex", over the window given to it. A worker
// thread never touches a widget: its prompt is handed to the GUI thread by a
// blocking queued call, and the worker waits there until the user answered.
class QtPrompter : public QObject, public Prompter {
  Q_OBJECT

 public:
  // Lives on the thread that creates it, which must be the GUI thread.
  QtPrompter();

  // The window the message boxes are centred on; may be null.
  void setParentWindow(QWidget* window) { parent_ = window; }

  void showMessage(const std::string& text, PromptIcon icon = PromptIcon::kNone) override;
  // A question with the question icon and the buttons Yes and No.
  [[nodiscard]] bool askYesNo(const std::string& text) override;

 private:
  // Runs `prompt` on the GUI thread and returns its answer.
  bool onGuiThread(const std::function<bool()>& prompt);

  QPointer<QWidget> parent_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_QT_PROMPTER_H_
