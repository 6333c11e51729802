#ifndef QUORVEX_UI_COLOUR_BUTTON_H_
#define QUORVEX_UI_COLOUR_BUTTON_H_

#include <QPushButton>
#include <cstdint>
#include <functional>

namespace quorvex::ui {

// A button that shows a colour value (0x00BBGGRR) as a swatch and lets the
// user choose another with the desktop's colour dialog; `set` stores the
// choice, after which changed() is emitted.
class ColourButton : public QPushButton {
  Q_OBJECT

 public:
  // `get` and `set` reach the colour value; what they refer to must outlive
  // the button.
  ColourButton(const QString& text, std::function<int32_t()> get,
               std::function<void(int32_t)> set, QWidget* parent = nullptr);

 signals:
  void changed();

 private:
  void showColour();

  std::function<int32_t()> get_;
  std::function<void(int32_t)> set_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_COLOUR_BUTTON_H_
