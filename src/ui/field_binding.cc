#include "ui/field_binding.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
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

void bind(QListWidget& list, std::optional<size_t>& selected) {
  QObject::connect(&list, &QListWidget::currentRowChanged, &list, [&selected](int row) {
    selected = row < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(row));
  });
}

void showSelection(QListWidget& list, const std::optional<size_t>& selected) {
  const QSignalBlocker blocker(&list);
  if (selected && *selected < static_cast<size_t>(list.count())) {
    list.setCurrentRow(static_cast<int>(*selected));
  }
}

QLineEdit* addTextRow(QFormLayout& form, const QString& label, std::string& value) {
  auto* edit = new QLineEdit;
  bind(*edit, value);
  form.addRow(label, edit);
  return edit;
}

}  // namespace quorvex::ui
