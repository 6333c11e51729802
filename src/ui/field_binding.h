#ifndef QUORVEX_UI_FIELD_BINDING_H_
#define QUORVEX_UI_FIELD_BINDING_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class QCheckBox;
class QFormLayout;
class QString;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QSpinBox;

namespace quorvex::ui {

// Each bind() shows a model's value in a widget and writes every change the
// user makes back into it at once, so that the model's checks see what the
// dialog shows. The value must outlive the widget.

// A text field; the value holds Windows-1252 bytes.
void bind(QLineEdit& edit, std::string& value);
// A text of several lines; the value keeps its lines ended by CR LF, as the
// documents hold them.
void bind(QPlainTextEdit& edit, std::string& value);
// A check box for a 0/1 flag.
void bind(QCheckBox& box, int32_t& flag);
// A number field.
void bind(QSpinBox& box, int32_t& number);

// A list's current entry, as an index (nullopt for none).
void bind(QListWidget& list, std::optional<size_t>& selected);

// Makes entry `selected` of `list` current again after the list was
// refilled, without announcing it.
void showSelection(QListWidget& list, const std::optional<size_t>& selected);

// Adds a row to `form`: the label `label` (its mnemonic focuses the field)
// and a text field bound to `value`. Returns the field, which `form` owns.
QLineEdit* addTextRow(QFormLayout& form, const QString& label, std::string& value);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_FIELD_BINDING_H_
