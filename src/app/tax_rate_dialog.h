#ifndef QUORVEX_APP_TAX_RATE_DIALOG_H_
#define QUORVEX_APP_TAX_RATE_DIALOG_H_

#include <optional>
#include <string>
#include <string_view>

#include "app/dialog_model.h"

namespace quorvex {

class Prompter;

// The three kinds of tax jurisdiction.
enum class TaxKind { kState, kCity, kVat };

// Returns the name "Add rate for:" gives a kind: "State/Province", "City" or
// "V.A.T.".
const char* taxKindName(TaxKind kind);

// One tax as the "Tax Rate" dialog edits it. A state tax uses state and
// abbreviation; a city tax city, state and abbreviation; a value-added tax
// country.
struct TaxEntry {
  TaxKind kind = TaxKind::kState;
  std::string state;
  std::string abbreviation;
  std::string city;
  std::string country;
  // The rate as stored: a decimal fraction.
  std::string rate;
};

// Returns the rate to store for the typed rate `typed`, or nullopt when it
// is not a valid rate. A percentage is turned into a fraction written with
// six decimals ("8.25%", "8.25" and "8%" give "0.082500"); a fraction from
// above 0 up to 1 is kept as typed ("0.0825", "1"); anything else (0, 100,
// a text that is no number) is refused.
std::optional<std::string> storedTaxRate(std::string_view typed);

// "Tax Rate": the jurisdiction and rate of a tax being added or edited.
class TaxRateDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Starts from `initial`, showing its stored rate as typed text. `prompter`
  // must outlive the dialog.
  TaxRateDialog(Prompter& prompter, TaxEntry initial);

  TaxEntry entry;
  std::string rateText;

  // Which fields the kind enables.
  bool stateEnabled() const { return entry.kind != TaxKind::kVat; }
  bool abbreviationEnabled() const { return entry.kind != TaxKind::kVat; }
  bool cityEnabled() const { return entry.kind == TaxKind::kCity; }
  bool countryEnabled() const { return entry.kind == TaxKind::kVat; }

  // True after accept() refused the rate: the rate field is to get the focus.
  bool rateNeedsFocus() const { return rateNeedsFocus_; }

  // Requires a valid rate, which becomes entry.rate, then every enabled
  // field the kind needs; a state tax's abbreviation loses one trailing ".".
  bool accept() override;

 private:
  bool refuseRate(const std::string& message);

  Prompter& prompter_;
  bool rateNeedsFocus_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_TAX_RATE_DIALOG_H_
