#include "ui/qt_prompter.h"

#include <QMessageBox>
#include <QThread>

#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

QMessageBox::Icon iconOf(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::kInformation: return QMessageBox::Information;
    case PromptIcon::kWarning: return QMessageBox::Warning;
    case PromptIcon::kError: return QMessageBox::Critical;
    case PromptIcon::kNone: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QtPrompter::QtPrompter() = default;

bool QtPrompter::onGuiThread(const std::function<bool()>& prompt) {
  if (QThread::currentThread() == thread()) return prompt();
  bool answer = false;
  QMetaObject::invokeMethod(
      this, [&] { answer = prompt(); }, Qt::BlockingQueuedConnection);
  return answer;
}

void QtPrompter::showMessage(const std::string& text, PromptIcon icon) {
  onGuiThread([&] {
    QMessageBox box(iconOf(icon), "Quorvex", toQt(text), QMessageBox::Ok, parent_);
    box.exec();
    return true;
  });
}

bool QtPrompter::askYesNo(const std::string& text) {
  return onGuiThread([&] {
    QMessageBox box(QMessageBox::Question, "Quorvex", toQt(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
  });
}

}  // namespace quorvex::ui
