#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvex::ui {

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), browser_(new QTextBrowser) {
  setWindowTitle("Quorvex Help");
  setModal(false);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::showTopic(const QString& file) {
  browser_->setSource(QUrl::fromLocalFile(file));
  show();
  raise();
  activateWindow();
}

}  // namespace quorvex::ui
