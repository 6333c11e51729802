#ifndef QUORVEX_UI_NAVIGATOR_H_
#define QUORVEX_UI_NAVIGATOR_H_

#include <QWidget>
#include <vector>

class QStackedWidget;

namespace quorvex::ui {

class NavigatorButton;
class NavigatorPane;

// The main window's view: a grey field with the navigator in its middle, a
// 610 x 400 board of three panes through which the user reaches every
// wizard step, the five groups of steps and a few file and help commands.
// The left pane selects a group and shows its page of steps in the bottom
// pane; the buttons only send their command numbers (commandTriggered);
// the main window carries them out.
class Navigator : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 610;
  static constexpr int kHeight = 400;

  explicit Navigator(QWidget* parent = nullptr);

  // Highlights group `group` (0 to 4) and no other.
  void selectGroup(int group);
  // Brings page `page` (0 Start ... 4 Upload) to the front.
  void showPage(int page);
  int currentGroup() const { return group_; }
  int currentPage() const { return page_; }

  // The panes in the order F6 visits them: left, top, bottom.
  std::vector<QWidget*> panes() const;
  // The button that sends `command` (a step of a hidden page included);
  // null when there is none.
  NavigatorButton* buttonFor(int command) const;

 signals:
  void commandTriggered(int command);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void addButton(NavigatorButton* button);
  void buildPages();

  NavigatorPane* left_;
  NavigatorPane* top_;
  NavigatorPane* bottom_;
  QStackedWidget* pages_;
  std::vector<NavigatorButton*> groups_;
  std::vector<NavigatorButton*> buttons_;
  int group_ = -1;
  int page_ = -1;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_NAVIGATOR_H_
