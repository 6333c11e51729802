#ifndef QUORVEX_TESTS_UI_MODAL_DRIVER_H_
#define QUORVEX_TESTS_UI_MODAL_DRIVER_H_

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quorvex::testing {

// Plays the user in front of modal windows while a test runs code that
// opens them: every 20 ms it looks at the active modal window and, for a
// message box, records its text and presses its default button (Yes for a
// question, unless told otherwise); for another window, it calls the
// action registered for its title, again at every tick until the window
// closes. A window without an action is left alone.
class ModalDriver : public QObject {
  Q_OBJECT

 public:
  // Called with the window at each tick while it is the active modal one.
  using Action = std::function<void(QWidget&)>;

  ModalDriver();

  // Registers the action for windows titled `key`, or of the class `key`
  // (such as "QFileDialog"); a window of a registered class takes its
  // class's action whatever its title.
  void on(const QString& key, Action action) { actions_[key] = std::move(action); }
  // The next question is answered No.
  void answerNextNo() { answerNo_ = true; }

  // The texts of the message boxes shown, in order.
  std::vector<std::string> messages;

 private:
  void tick();

  QTimer timer_;
  std::map<QString, Action> actions_;
  bool answerNo_ = false;
  // The message box already answered, while it is still closing.
  QPointer<QMessageBox> answered_;
};

// Runs the event loop until `done` holds or `milliseconds` have passed;
// returns whether it holds.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 30000);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_UI_MODAL_DRIVER_H_
