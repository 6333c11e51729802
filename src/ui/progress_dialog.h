#ifndef QUORVEX_UI_PROGRESS_DIALOG_H_
#define QUORVEX_UI_PROGRESS_DIALOG_H_

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvex {
class RunProgress;
}

namespace quorvex::ui {

// The small modal window in front of a save-site run or a sales-log
// download: one line saying what the worker does, a moving bar and, for the
// save-site run, Cancel. Showing it starts the run; a 10 ms timer follows it
// and the window closes itself when the run has ended. F1 shows its help
// page.
class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  // `progress` must outlive the dialog and not have been started; `help`
  // shows help topic RunProgress::helpTopic().
  ProgressDialog(RunProgress& progress, std::function<void()> help, QWidget* parent);

  // Cancel, Esc and the close box: see RunProgress::cancel().
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void poll();
  void refresh();

  RunProgress& progress_;
  QLabel* text_;
  QProgressBar* bar_;
  QPushButton* cancel_;
  QTimer timer_;
  bool started_ = false;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PROGRESS_DIALOG_H_
