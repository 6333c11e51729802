// The wizard's first six steps, walked with their "&Next >>" and
// "<< &Previous" buttons from the Location Information menu item.
#include <QWidget>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "ui/main_window.h"
#include "ui/modal_driver.h"
#include "ui/navigator.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

class StepRoutingTest : public SampleAppFixture {};

// A step's window as the user met it: its title and the navigator page
// selected while it was open.
struct Visit {
  std::string title;
  int navigatorPage;
  bool operator==(const Visit&) const = default;
};

void PrintTo(const Visit& visit, std::ostream* out) {
  *out << visit.title << " (page " << visit.navigatorPage << ")";
}

TEST_F(StepRoutingTest, NextAndPreviousWalkTheCompanyAndSiteSteps) {
  std::vector<Visit> visits;
  // Each step records its visit and then presses the buttons given, one per
  // visit.
  const auto pressing = [&](std::vector<QString> buttons) {
    std::vector<ModalDriver::Action> steps;
    for (const QString& button : buttons) {
      steps.push_back([&visits, button, this](QWidget& w) {
        visits.push_back({w.windowTitle().toStdString(),
                          app_->window().navigator()->currentPage()});
        click(w, button);
      });
    }
    return inOrder(std::move(steps));
  };
  driver_.on("Location Information", pressing({"&Next >>"}));
  driver_.on("Contact Information", pressing({"&Next >>"}));
  driver_.on("Business Information", pressing({"&Next >>"}));
  driver_.on("Select Type Of Site", pressing({"&Next >>"}));
  driver_.on("Choose A Style For Site", pressing({"&Next >>", "&Close"}));
  driver_.on("Choose Page Layout", pressing({"<< &Previous"}));

  run(kCmdLocation);
  const std::vector<Visit> expected = {
      {"Location Information", 0}, {"Contact Information", 0},
      {"Business Information", 0}, {"Select Type Of Site", 1},
      {"Choose A Style For Site", 1}, {"Choose Page Layout", 1},
      {"Choose A Style For Site", 1},
  };
  ASSERT_TRUE(waitUntil([&] { return visits.size() >= expected.size(); }, 60000))
      << visits.size() << " steps shown";
  // The last step's Close posts nothing: no window follows it.
  EXPECT_FALSE(waitUntil([&] { return visits.size() > expected.size(); }, 300));
  EXPECT_EQ(visits, expected);
  EXPECT_TRUE(driver_.messages.empty()) << driver_.messages.front();
  EXPECT_TRUE(app_->lifecycle().modified());
}

}  // namespace
}  // namespace quorvex::testing
