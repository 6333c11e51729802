#ifndef QUORVEX_UI_NAVIGATOR_BUTTON_H_
#define QUORVEX_UI_NAVIGATOR_BUTTON_H_

#include <QAbstractButton>
#include <QIcon>
#include <QString>

namespace quorvex::ui {

// A picture button of the navigator, drawn in one of three looks. Each
// button carries the command number it sends.
//  - kGroup: a group of steps in the left pane; it stays selected, and sends
//    its command as soon as the mouse button goes down (pressed()).
//  - kTool: a small command of the top pane (Save, Help, ...), an icon over
//    a short label.
//  - kStep: a wizard step of a page, a card with its number and title.
// Tool and step buttons send their command when released over them
// (clicked()); the pointer over them is a hand. All three light up under the
// pointer and can be reached with the keyboard.
class NavigatorButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum class Look { kGroup, kTool, kStep };

  // `number` and `hint` are the step's number and what it is for on a step
  // card (ignored otherwise); `icon` is drawn on a tool button.
  NavigatorButton(Look look, int command, const QString& text, QWidget* parent,
                  int number = 0, const QIcon& icon = QIcon(), const QString& hint = QString());

  int command() const { return command_; }

  // A selected group button keeps its highlight.
  void setSelected(bool selected);
  bool selected() const { return selected_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void paintGroup(QPainter& painter) const;
  void paintTool(QPainter& painter) const;
  void paintStep(QPainter& painter) const;
  bool lit() const { return underMouse() || hasFocus(); }

  Look look_;
  int command_;
  int number_;
  QIcon icon_;
  QString hint_;
  bool selected_ = false;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_NAVIGATOR_BUTTON_H_
