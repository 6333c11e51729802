#ifndef QUORVEX_UI_HELP_WINDOW_H_
#define QUORVEX_UI_HELP_WINDOW_H_

#include <QDialog>

class QTextBrowser;

namespace quorvex::ui {

// The help viewer: a window beside the main window that shows one help page
// (an HTML file) at a time and follows its links.
class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent);

  // Shows the page `file` and brings the window to the front.
  void showTopic(const QString& file);

 private:
  QTextBrowser* browser_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_HELP_WINDOW_H_
