#ifndef QUORVEX_UI_COLOUR_BUTTON_H_
#define QUORVEX_UI_COLOUR_BUTTON_H_

#include <QPushButton>
#include <cstdint>
#include <functional>
#include <vector>

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

// The texts of the buttons of the four colours of a page or a style, in
// the order in which pageColourButtons() makes them.
struct PageColourTexts {
  QString background;
  QString text;
  QString link;
  QString visited;
};

// Makes a button for each of the four colours of `record`, a page or a
// style template (both reach them through get...ColorValue() and
// set...Color()): background, text, link and visited link, titled by
// `texts`. `record` must outlive the buttons, which the caller places.
template <class Record>
std::vector<ColourButton*> pageColourButtons(Record& record, const PageColourTexts& texts) {
  const struct {
    const QString& text;
    int32_t (Record::*get)() const;
    void (Record::*set)(int32_t);
  } kColours[] = {{texts.background, &Record::getBackColorValue, &Record::setBackColor},
                  {texts.text, &Record::getTextColorValue, &Record::setTextColor},
                  {texts.link, &Record::getLinkColorValue, &Record::setLinkColor},
                  {texts.visited, &Record::getVisitedColorValue, &Record::setVisitedColor}};
  std::vector<ColourButton*> buttons;
  for (const auto& colour : kColours) {
    const auto get = colour.get;
    const auto set = colour.set;
    buttons.push_back(new ColourButton(colour.text, [&record, get] { return (record.*get)(); },
                                       [&record, set](int32_t value) { (record.*set)(value); }));
  }
  return buttons;
}

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_COLOUR_BUTTON_H_
