#ifndef QUORVEX_APP_CHARGE_DIALOG_H_
#define QUORVEX_APP_CHARGE_DIALOG_H_

#include <cstddef>
#include <string>

#include "app/dialog_model.h"

namespace quorvex {

class CShippingType;
class Prompter;

// "Edit Shipping Charge": the upper limit and the charge of one range of a
// charge table, for a range being inserted or edited.
class ChargeDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a range of `type` whose range `following` is the one that will
  // come after it; `lowerBound` is the limit of the range before ("0" for
  // the first). `andUp` is set for the last range, whose limit stays
  // "And Up". The charge is in the currency `currencySymbol`. `type` and
  // `prompter` must outlive the dialog.
  ChargeDialog(Prompter& prompter, const CShippingType& type, size_t following,
               std::string basisName, std::string lowerBound, bool andUp,
               std::string currencySymbol);

  // "Shipping Based On " followed by the basis name.
  std::string basisText() const;
  const std::string& lowerBound() const { return lowerBound_; }
  const std::string& currencySymbol() const { return currencySymbol_; }
  // The last range has no limit of its own to edit.
  bool limitEditable() const { return !andUp_; }

  std::string limit;
  std::string charge;

  // Requires a charge and, except for the last range, an upper limit; when
  // the new limit swallows the range that follows, asks whether to go on.
  bool accept() override;

 private:
  Prompter& prompter_;
  const CShippingType& type_;
  size_t following_;
  std::string basisName_;
  std::string lowerBound_;
  bool andUp_;
  std::string currencySymbol_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CHARGE_DIALOG_H_
