#include "ui/field_binding.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "ui/qt_text.h"

namespace quorvex::ui {

void bind(QLineEdit& edit, std::string& value) {
  edit.setText(toQt(value));
  QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                   [&value](const QString& text) { value = fromQt(text); });
}

void bind(QPlainTextEdit& edit, std::string& value) {
  // The widget ends lines with a bare line feed.
  edit.setPlainText(toQt(value).replace("\r\n", "\n"));
  QObject::connect(&edit, &QPlainTextEdit::textChanged, &edit, [&edit, &value] {
    value = fromQt(edit.toPlainText().replace('\n', "\r\n"));
  });
}

void bind(QCheckBox& box, int32_t& flag) {
  box.setChecked(flag != 0);
  QObject::connect(&box, &QCheckBox::toggled, &box, [&flag](bool on) { flag = on ? 1 : 0; });
}

void bind(QSpinBox& box, int32_t& number) {
  box.setValue(number);
  QObject::connect(&box, &QSpinBox::valueChanged, &box, [&number](int value) { number = value; });
}

QLineEdit* addTextRow(QFormLayout& form, const QString& label, std::string& value) {
  auto* edit = new QLineEdit;
  bind(*edit, value);
  form.addRow(label, edit);
  return edit;
}

}  // namespace quorvex::ui
