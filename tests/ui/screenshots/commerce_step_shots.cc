#include "screenshots/commerce_step_shots.h"

#include "app/advanced_server_preferences_dialog.h"
#include "app/charge_dialog.h"
#include "app/command_ids.h"
#include "app/credit_card_preferences_dialog.h"
#include "app/shipping_type_dialog.h"
#include "app/tax_rate_dialog.h"
#include "document/shipping.h"
#include "platform/env.h"
#include "ui/advanced_server_preferences_view.h"
#include "ui/charge_view.h"
#include "ui/credit_card_preferences_view.h"
#include "ui/main_window.h"
#include "ui/shipping_type_view.h"
#include "ui/tax_rate_view.h"

namespace quorvex::ui {

namespace {

using ExpectShown = std::function<void(const QString&, const QString&)>;
using Capture = std::function<void(QWidget&, const QString&)>;

void noHelp() {}

// Runs the step `command` and saves its dialog, titled `title`.
void captureStep(MainWindow& window, int command, const QString& title,
                 const ExpectShown& expectShown) {
  expectShown(title, title);
  window.runCommand(command);
}

void captureTaxAndShipping(MainWindow& window, const Env& env, const ExpectShown& expectShown,
                           const Capture& capture) {
  Prompter& prompter = env.prompter();
  captureStep(window, kCmdTax, "Tax Settings", expectShown);
  TaxEntry city;
  city.kind = TaxKind::kCity;
  city.city = "Boulder";
  city.state = "Colorado";
  city.abbreviation = "CO";
  city.rate = "0.038600";
  TaxRateDialog rate(prompter, city);
  TaxRateView rateView(rate, noHelp, &window);
  capture(rateView, "Tax Rate");

  captureStep(window, kCmdShipping, "Set Shipping", expectShown);
  CShippingType ground;
  ground.label = "Ground";
  ground.upperLimits = {"25", "75", CShippingType::kAndUp};
  ground.charges = {"4.95", "7.95", "0"};
  ShippingTypeDialog type(window, prompter, ground, CShipping::kSubtotal, "$");
  type.selectedRow = 1;
  ShippingTypeView typeView(type, noHelp, &window);
  capture(typeView, "Shipping Type");
  ShippingTypeDialog flat(window, prompter, ground, CShipping::kFlatRate, "$");
  flat.type.flatRate = "6.50";
  ShippingTypeView flatView(flat, noHelp, &window);
  capture(flatView, "Flat Rate Shipping");
  ChargeDialog charge(prompter, ground, 2, "Subtotal", "25", /*andUp=*/false, "$");
  charge.limit = "75";
  charge.charge = "7.95";
  ChargeView chargeView(charge, noHelp, &window);
  capture(chargeView, "Edit Shipping Charge");
}

void captureServerPreferences(MainWindow& window, const Env& env, const ExpectShown& expectShown,
                              const Capture& capture) {
  captureStep(window, kCmdServerPreferences, "Server Preferences", expectShown);
  CFtp preferences;
  preferences.baseHref = "https://www.acme-outdoor.example/";
  preferences.proxyHost = "proxy.example";
  preferences.proxyPort = "21";
  AdvancedServerPreferencesDialog advanced(env.prompter(), preferences);
  AdvancedServerPreferencesView advancedView(advanced, noHelp, &window);
  capture(advancedView, "Advanced Server Preferences");
  CreditCardPreferencesDialog cards(preferences);
  CreditCardPreferencesView cardsView(cards, noHelp, &window);
  capture(cardsView, "Credit Card Server Preferences");
}

}  // namespace

void captureCommerceSteps(MainWindow& window, const Env& env, const ExpectShown& expectShown,
                          const Capture& capture) {
  captureTaxAndShipping(window, env, expectShown, capture);
  captureServerPreferences(window, env, expectShown, capture);
}

}  // namespace quorvex::ui
