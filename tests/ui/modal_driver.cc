#include "ui/modal_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>

namespace quorvex::testing {

ModalDriver::ModalDriver() {
  connect(&timer_, &QTimer::timeout, this, &ModalDriver::tick);
  timer_.start(20);
}

void ModalDriver::tick() {
  QWidget* window = QApplication::activeModalWidget();
  if (window == nullptr || !window->isVisible()) return;
  if (auto* box = qobject_cast<QMessageBox*>(window)) {
    if (box == answered_) return;
    answered_ = box;
    messages.push_back(box->text().toStdString());
    QAbstractButton* button = box->button(QMessageBox::Yes);
    if (button != nullptr && answerNo_) {
      button = box->button(QMessageBox::No);
      answerNo_ = false;
    }
    if (button == nullptr) button = box->button(QMessageBox::Ok);
    if (button == nullptr) button = box->defaultButton();
    // Clicked on the next turn of the loop: the box must first have entered
    // its own.
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
    return;
  }
  // A class name goes before a title: a file dialog may bear the title of
  // the dialog that opened it.
  for (auto& [key, action] : actions_) {
    if (window->inherits(key.toLatin1().constData())) return action(*window);
  }
  for (auto& [key, action] : actions_) {
    if (window->windowTitle() == key) return action(*window);
  }
}

bool waitUntil(const std::function<bool()>& done, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(10);
  }
  return true;
}

}  // namespace quorvex::testing
