#include "app/tax_rate_dialog.h"

#include <cstdio>
#include <utility>

#include "document/decimal_text.h"
#include "platform/prompter.h"

namespace quorvex {

namespace {

std::string withSixDecimals(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.6f", value);
  return text;
}

}  // namespace

const char* taxKindName(TaxKind kind) {
  switch (kind) {
    case TaxKind::kState: return "State/Province";
    case TaxKind::kCity: return "City";
    case TaxKind::kVat: return "V.A.T.";
  }
  return "";
}

std::optional<std::string> storedTaxRate(std::string_view typed) {
  std::string rate(typed);
  const size_t percent = rate.find('%', 1);
  if (percent != std::string::npos) {
    rate.resize(percent);
    if (rate.find('.') != std::string::npos) {
      std::optional<double> value = parseDecimal(rate);
      if (!value || *value <= 0 || *value > 100) return std::nullopt;
      rate = withSixDecimals(*value / 100);
    }
  }
  std::optional<double> value = parseDecimal(rate);
  if (!value) return std::nullopt;
  if (*value > 1 && *value < 100) {
    *value /= 100;
    rate = withSixDecimals(*value);
  }
  if (*value <= 0 || *value > 1) return std::nullopt;
  return rate;
}

TaxRateDialog::TaxRateDialog(Prompter& prompter, TaxEntry initial)
    : DialogModel("Tax Rate"), entry(std::move(initial)), prompter_(prompter) {
  rateText = entry.rate;
}

bool TaxRateDialog::refuseRate(const std::string& message) {
  prompter_.showMessage(message);
  rateNeedsFocus_ = true;
  return false;
}

bool TaxRateDialog::accept() {
  rateNeedsFocus_ = false;
  if (rateText.empty()) return refuseRate("Please, enter a tax rate for this region.");
  std::optional<std::string> rate = storedTaxRate(rateText);
  if (!rate) {
    return refuseRate("'" + rateText + "' is not a valid tax rate.  Please re-enter it.");
  }
  entry.rate = *rate;
  const bool missing = (stateEnabled() && entry.state.empty()) ||
                       (cityEnabled() && entry.city.empty()) ||
                       (countryEnabled() && entry.country.empty());
  if (missing) {
    prompter_.showMessage("Please, fill in all the enabled fields before you press OK.");
    return false;
  }
  if (entry.kind == TaxKind::kState && entry.abbreviation.ends_with('.')) {
    entry.abbreviation.pop_back();
  }
  return true;
}

}  // namespace quorvex
