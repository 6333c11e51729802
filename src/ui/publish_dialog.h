#ifndef QUORVEX_UI_PUBLISH_DIALOG_H_
#define QUORVEX_UI_PUBLISH_DIALOG_H_

#include <QDialog>
#include <QTimer>
#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quorvex {
class PublishModel;
}

namespace quorvex::ui {

// "Publish Web Site To Internet": a view over PublishModel with its text,
// the buttons "&GO" (Stop while uploading), "&Upload All" and Close, a
// status line and a progress bar counting the files handled. A 10 ms timer
// follows the upload while it runs. F1 shows its help page.
class PublishDialog : public QDialog {
  Q_OBJECT

 public:
  // `model` must outlive the dialog; `help` shows the dialog's help page.
  PublishDialog(PublishModel& model, std::function<void()> help, QWidget* parent);

  // Close, Esc and the close box: see PublishModel::accept().
  void reject() override;

 private:
  void go();
  void uploadAll();
  void poll();
  void refresh();

  PublishModel& model_;
  QLabel* status_;
  QProgressBar* bar_;
  QPushButton* go_;
  QPushButton* uploadAll_;
  QPushButton* close_;
  QTimer timer_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PUBLISH_DIALOG_H_
