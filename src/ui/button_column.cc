#include "ui/button_column.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace quorvex::ui {

QVBoxLayout* buttonColumn(QObject* context, const std::vector<ButtonAction>& buttons) {
  auto* column = new QVBoxLayout;
  for (const auto& [text, action] : buttons) {
    auto* button = new QPushButton(text);
    // Enter in the dialog's fields ends the dialog, never presses these.
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, context, action);
    column->addWidget(button);
  }
  column->addStretch();
  return column;
}

}  // namespace quorvex::ui
