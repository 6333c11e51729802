#ifndef QUORVEX_APP_STEP_ROUTING_H_
#define QUORVEX_APP_STEP_ROUTING_H_

#include <optional>

namespace quorvex {

class CBrenquilDoc;

// What the order of the wizard steps depends on.
struct SiteConditions {
  // The page list holds a product page (type 4003).
  bool productPage = false;
  // The page list holds a coupon page (type 4011).
  bool couponPage = false;
  // The individual product page list is not empty.
  bool individualPages = false;
};

// The conditions as `doc` stands now.
SiteConditions siteConditionsOf(const CBrenquilDoc& doc);

// One row of the wizard table.
struct WizardStep {
  int command;
  // The title of the step's dialog.
  const char* title;
  // The navigator page the step selects: 0 Start, 1 Site, 2 Price List,
  // 3 Tax and Shipping, 4 Upload.
  int navigatorPage;
};

// Returns the wizard step of `command`, or null when it is not a step.
const WizardStep* findWizardStep(int command);

// The command that "&Next >>" of step `command` posts under `conditions`;
// nullopt for a step whose Next is not routed by the table (Save Web Site
// Locally, Publish Web Site To Internet) and for a command that is no step.
std::optional<int> nextStep(int command, const SiteConditions& conditions);

// The command that "<< &Previous" of step `command` posts under
// `conditions`; nullopt for a step without that button.
std::optional<int> previousStep(int command, const SiteConditions& conditions);

}  // namespace quorvex

#endif  // QUORVEX_APP_STEP_ROUTING_H_
