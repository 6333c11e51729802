#ifndef QUORVEX_UI_NAVIGATOR_PANE_H_
#define QUORVEX_UI_NAVIGATOR_PANE_H_

#include <QString>
#include <QWidget>

namespace quorvex::ui {

// One of the navigator's three panes: a fixed-size board with a painted
// background on which its buttons sit.
//  - kGroups, the left pane: the five groups of steps.
//  - kTools, the top pane: the file and help commands and the program's name.
//  - kPages, the bottom pane: the steps of the selected group, with a line
//    of guidance (the caption) along its lower edge.
class NavigatorPane : public QWidget {
  Q_OBJECT

 public:
  enum class Look { kGroups, kTools, kPages };

  NavigatorPane(Look look, QSize size, QWidget* parent);

  // The guidance line of the bottom pane.
  void setCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Look look_;
  QString caption_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_NAVIGATOR_PANE_H_
