#include "ui/navigator.h"

#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <algorithm>

#include "app/command_ids.h"
#include "app/step_routing.h"
#include "ui/menu_table.h"
#include "ui/navigator_button.h"
#include "ui/navigator_pane.h"

namespace quorvex::ui {

namespace {

using Look = NavigatorButton::Look;

constexpr int kLeftWidth = 143;
constexpr int kTopHeight = 91;

// A group of steps: its button's text, the guidance line of its page and its
// steps with the top-left corner of each card on the page.
struct StepPlace {
  int x;
  int y;
  int command;
};
struct GroupPage {
  const char* name;
  const char* guidance;
  std::vector<StepPlace> steps;
};

const std::vector<GroupPage>& groupPages() {
  static const std::vector<GroupPage> pages = {
      {"Company Information",
       "Start here: tell Quorvex who you are and how customers reach you.",
       {{0, 45, kCmdLocation}, {162, 45, kCmdContact}, {324, 45, kCmdBusiness}}},
      {"Web Site Layout",
       "Choose the kind of site, its look and the pages it shows.",
       {{0, 45, kCmdSiteType}, {162, 45, kCmdStyle}, {324, 45, kCmdPageLayout}}},
      {"Products",
       "Enter what you sell, then dress it up with pictures, pages and coupons.",
       {{0, 90, kCmdProductList},
        {108, 0, kCmdEnhanceProducts},
        {216, 0, kCmdIndividualPages},
        {324, 90, kCmdCouponManager}}},
      {"Ordering Information",
       "Set taxes, shipping and how you are paid.",
       {{0, 45, kCmdTax}, {162, 45, kCmdShipping}, {324, 45, kCmdOrderPayment}}},
      {"Build & Publish",
       "Enter your server, build the site on this computer, then put it online.",
       {{0, 45, kCmdServerPreferences}, {162, 45, kCmdSaveSiteLocally}, {324, 45, kCmdPublish}}},
  };
  return pages;
}

// The top pane's commands: rectangle, command, label, icon.
struct ToolPlace {
  QRect rect;
  int command;
  const char* label;
  QStyle::StandardPixmap icon;
};

const std::vector<ToolPlace>& toolPlaces() {
  static const std::vector<ToolPlace> tools = {
      {QRect(QPoint(24, 20), QPoint(67, 75)), kCmdSave, "Save", QStyle::SP_DialogSaveButton},
      {QRect(QPoint(73, 20), QPoint(142, 75)), kCmdSaveBackup, "Save Backup",
       QStyle::SP_DriveHDIcon},
      {QRect(QPoint(148, 20), QPoint(229, 75)), kCmdDownloadSalesLogs, "Sales Logs",
       QStyle::SP_ArrowDown},
      {QRect(QPoint(236, 29), QPoint(278, 75)), kCmdNavigatorHelp, "Help",
       QStyle::SP_DialogHelpButton},
      {QRect(QPoint(396, 19), QPoint(447, 77)), kCmdNavigatorOnline, "Online",
       QStyle::SP_DirHomeIcon},
  };
  return tools;
}

}  // namespace

Navigator::Navigator(QWidget* parent)
    : QWidget(parent),
      left_(new NavigatorPane(NavigatorPane::Look::kGroups, QSize(kLeftWidth, kHeight), this)),
      top_(new NavigatorPane(NavigatorPane::Look::kTools,
                             QSize(kWidth - kLeftWidth, kTopHeight), this)),
      bottom_(new NavigatorPane(NavigatorPane::Look::kPages,
                                QSize(kWidth - kLeftWidth, kHeight - kTopHeight), this)),
      pages_(new QStackedWidget(bottom_)) {
  const std::vector<GroupPage>& groups = groupPages();
  for (size_t i = 0; i < groups.size(); ++i) {
    auto* button = new NavigatorButton(Look::kGroup, kCmdNavigatorPage0 + static_cast<int>(i),
                                       groups[i].name, left_);
    button->setGeometry(20, 10 + 76 * static_cast<int>(i), 121, 76);
    groups_.push_back(button);
    addButton(button);
  }
  for (const ToolPlace& tool : toolPlaces()) {
    auto* button = new NavigatorButton(Look::kTool, tool.command, tool.label, top_, 0,
                                       style()->standardIcon(tool.icon));
    button->setGeometry(tool.rect);
    addButton(button);
  }
  buildPages();
  selectGroup(0);
  showPage(0);
}

void Navigator::buildPages() {
  // The page windows lie over the bottom pane moved by (17, 9) and paint no
  // background: the pane's shows through.
  pages_->setGeometry(bottom_->rect().translated(17, 9));
  int number = 0;
  for (const GroupPage& group : groupPages()) {
    auto* page = new QWidget(pages_);
    for (const StepPlace& place : group.steps) {
      const WizardStep* step = findWizardStep(place.command);
      auto* button = new NavigatorButton(Look::kStep, place.command, step->title, page, ++number,
                                         QIcon(), promptOf(place.command));
      button->setGeometry(place.x, place.y, 108, 175);
      addButton(button);
    }
    pages_->addWidget(page);
  }
}

void Navigator::addButton(NavigatorButton* button) {
  buttons_.push_back(button);
  const int command = button->command();
  // A group answers as soon as it is pressed; the others when released.
  if (button->command() >= kCmdNavigatorPage0 && command <= kCmdNavigatorPageLast) {
    connect(button, &QAbstractButton::pressed, this, [this, command] {
      selectGroup(command - kCmdNavigatorPage0);
      emit commandTriggered(command);
    });
  } else {
    connect(button, &QAbstractButton::clicked, this,
            [this, command] { emit commandTriggered(command); });
  }
}

void Navigator::selectGroup(int group) {
  if (group == group_ || group < 0 || group >= static_cast<int>(groups_.size())) return;
  if (group_ >= 0) groups_[group_]->setSelected(false);
  groups_[group]->setSelected(true);
  group_ = group;
}

void Navigator::showPage(int page) {
  if (page == page_ || page < 0 || page >= pages_->count()) return;
  pages_->setCurrentIndex(page);
  bottom_->setCaption(groupPages()[page].guidance);
  page_ = page;
}

std::vector<QWidget*> Navigator::panes() const { return {left_, top_, bottom_}; }

NavigatorButton* Navigator::buttonFor(int command) const {
  auto found = std::find_if(buttons_.begin(), buttons_.end(),
                            [command](NavigatorButton* b) { return b->command() == command; });
  return found == buttons_.end() ? nullptr : *found;
}

void Navigator::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), QColor(127, 127, 127));
}

void Navigator::resizeEvent(QResizeEvent*) {
  // The board stays in the middle, never left of or above the field's edge.
  const int x = std::max(0, (width() - kWidth) / 2);
  const int y = std::max(0, (height() - kHeight) / 2);
  left_->move(x, y);
  top_->move(x + kLeftWidth, y);
  bottom_->move(x + kLeftWidth, y + kTopHeight);
}

}  // namespace quorvex::ui
