#include "app/step_runner.h"

#include "app/app_services.h"
#include "app/business_step.h"
#include "app/command_ids.h"
#include "app/contact_step.h"
#include "app/coupon_manager_step.h"
#include "app/document_lifecycle.h"
#include "app/front_end.h"
#include "app/individual_pages_step.h"
#include "app/location_step.h"
#include "app/order_payment_step.h"
#include "app/page_layout_step.h"
#include "app/product_table_step.h"
#include "app/server_preferences_step.h"
#include "app/shipping_step.h"
#include "app/site_type_step.h"
#include "app/step_routing.h"
#include "app/style_choice.h"
#include "app/style_step.h"
#include "app/tax_step.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

StepRunner::StepRunner(AppServices& app) : app_(app) {}

std::unique_ptr<StepModel> StepRunner::makeModel(int command) {
  switch (command) {
    case kCmdLocation: return std::make_unique<LocationStep>(app_);
    case kCmdContact: return std::make_unique<ContactStep>(app_);
    case kCmdBusiness: return std::make_unique<BusinessStep>(app_);
    case kCmdSiteType: return std::make_unique<SiteTypeStep>(app_);
    case kCmdStyle: return std::make_unique<StyleStep>(app_);
    case kCmdPageLayout: return std::make_unique<PageLayoutStep>(app_);
    case kCmdProductList:
    case kCmdEnhanceProducts: return std::make_unique<ProductTableStep>(app_, command);
    case kCmdIndividualPages: return std::make_unique<IndividualPagesStep>(app_);
    case kCmdCouponManager: return std::make_unique<CouponManagerStep>(app_);
    case kCmdTax: return std::make_unique<TaxStep>(app_);
    case kCmdShipping: return std::make_unique<ShippingStep>(app_);
    case kCmdOrderPayment: return std::make_unique<OrderPaymentStep>(app_);
    case kCmdServerPreferences: return std::make_unique<ServerPreferencesStep>(app_);
    default: return nullptr;
  }
}

void StepRunner::run(int command) {
  if ((command == kCmdStyle || command == kCmdPageLayout) &&
      !StyleChoice::hasPages(*app_.doc.m_pPageData, app_.env.prompter())) {
    command = kCmdSiteType;
  }
  const WizardStep* step = findWizardStep(command);
  std::unique_ptr<StepModel> model = makeModel(command);
  if (step == nullptr || model == nullptr) return;
  app_.frontEnd.selectNavigatorPage(step->navigatorPage);
  if (!model->prepare()) {
    model->release();
    return;
  }
  const DialogResult result = app_.frontEnd.runDialog(*model);
  if (result != DialogResult::kCancel) {
    app_.lifecycle.setModified(true);
    model->apply();
  }
  model->release();
  if (result == DialogResult::kNext || result == DialogResult::kPrevious) {
    postFollowingStep(command, result == DialogResult::kNext);
  }
}

void StepRunner::postFollowingStep(int command, bool next) {
  // Location Information has no Previous of its own: either button goes on.
  if (command == kCmdLocation) next = true;
  const SiteConditions conditions = siteConditionsOf(app_.doc);
  std::optional<int> following =
      next ? nextStep(command, conditions) : previousStep(command, conditions);
  if (following) app_.frontEnd.postCommand(*following);
}

}  // namespace quorvex
