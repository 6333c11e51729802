#include "ui/widget_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>
#include <memory>

namespace quorvex::testing {

void click(QWidget& window, const QString& text) {
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->text() == text && button->isEnabled()) {
      QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
      return;
    }
  }
  ADD_FAILURE() << "no button " << text.toStdString() << " in "
                << window.windowTitle().toStdString();
}

void typeInto(QWidget& window, const QString& label, const QString& text) {
  for (QLabel* candidate : window.findChildren<QLabel*>()) {
    if (candidate->text() != label || candidate->buddy() == nullptr) continue;
    QWidget* field = candidate->buddy();
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
      line->selectAll();
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(field)) {
      lines->selectAll();
    }
    // Committed as an input method would, which takes any character.
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(field, &typed);
    return;
  }
  ADD_FAILURE() << "no field " << label.toStdString() << " in "
                << window.windowTitle().toStdString();
}

bool hasLabel(QWidget& window, const QString& text) {
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (label->text() == text) return true;
  }
  return false;
}

ModalDriver::Action inOrder(std::vector<ModalDriver::Action> steps) {
  auto next = std::make_shared<size_t>(0);
  return [steps = std::move(steps), next](QWidget& window) {
    if (*next < steps.size()) steps[(*next)++](window);
  };
}

}  // namespace quorvex::testing
