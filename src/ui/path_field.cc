#include "ui/path_field.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

PathField::PathField(std::string& value, std::function<void()> browse, QWidget* parent)
    : QWidget(parent), value_(value), edit_(new QLineEdit) {
  bind(*edit_, value_);
  edit_->setMinimumWidth(260);
  auto* button = new QPushButton("Browse...");
  connect(button, &QPushButton::clicked, this, std::move(browse));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(edit_, 1);
  layout->addWidget(button);
  setFocusProxy(edit_);
}

void PathField::showValue() {
  const QString text = toQt(value_);
  if (edit_->text() != text) edit_->setText(text);
}

}  // namespace quorvex::ui
