#ifndef QUORVEX_UI_PATH_FIELD_H_
#define QUORVEX_UI_PATH_FIELD_H_

#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;

namespace quorvex::ui {

// A stored path that the user may type or choose: a text field bound to the
// value (see bind()) and a "Browse..." button that runs `browse`, which lets
// the model choose and store a new value. showValue() puts the value, as the
// model now holds it, back into the field.
class PathField : public QWidget {
  Q_OBJECT

 public:
  // `value` must outlive the widget.
  PathField(std::string& value, std::function<void()> browse, QWidget* parent = nullptr);

  // The text field, which a label's mnemonic focuses.
  QLineEdit* edit() const { return edit_; }

  // Shows the value again after the model changed it.
  void showValue();

 private:
  std::string& value_;
  QLineEdit* edit_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PATH_FIELD_H_
