#include "app/shipping_type_dialog.h"

#include <utility>

#include "app/charge_dialog.h"
#include "app/dialog_host.h"
#include "document/shipping.h"
#include "platform/prompter.h"

namespace quorvex {

std::string shippingBasisName(int32_t basedOn) {
  static constexpr const char* kNames[] = {"Subtotal", "Weight", "Quantity", "Flat Rate"};
  if (basedOn < 0 || basedOn > CShipping::kFlatRate) return "";
  return kNames[basedOn];
}

ShippingTypeDialog::ShippingTypeDialog(DialogHost& host, Prompter& prompter,
                                       CShippingType initial, int32_t basedOn,
                                       std::string currencySymbol)
    : DialogModel(basedOn == CShipping::kFlatRate ? "Flat Rate Shipping" : "Shipping Type"),
      type(std::move(initial)),
      host_(host),
      prompter_(prompter),
      basedOn_(basedOn),
      currencySymbol_(std::move(currencySymbol)) {}

bool ShippingTypeDialog::flatRate() const { return basedOn_ == CShipping::kFlatRate; }

std::array<std::string, 2> ShippingTypeDialog::headerCells() const {
  return {shippingBasisName(basedOn_), "Charge"};
}

std::string ShippingTypeDialog::lowerBoundOf(size_t row) const {
  return row == 0 ? "0" : type.upperLimits[row - 1];
}

std::string ShippingTypeDialog::rowLabel(size_t row) const {
  if (row >= type.rangeCount()) return "";
  if (row == 0 && type.upperLimits[0] != CShippingType::kAndUp) {
    return "Up To " + type.upperLimits[0];
  }
  return "Above " + lowerBoundOf(row);
}

void ShippingTypeDialog::insertCharge() {
  if (!selectedRow || *selectedRow >= type.rangeCount()) {
    prompter_.showMessage("Please, select a row to insert the new charge.");
    return;
  }
  const size_t row = *selectedRow;
  ChargeDialog dialog(prompter_, type, row, shippingBasisName(basedOn_), lowerBoundOf(row),
                      /*andUp=*/false, currencySymbol_);
  if (host_.runDialog(dialog) == DialogResult::kCancel) return;
  type.insertRangeOver(row, {dialog.limit, dialog.charge});
  notifyChanged();
}

void ShippingTypeDialog::editCharge() {
  if (!selectedRow || *selectedRow >= type.rangeCount()) {
    prompter_.showMessage("Please, select a charge to be edited.");
    return;
  }
  const size_t row = *selectedRow;
  const bool andUp = type.upperLimits[row] == CShippingType::kAndUp;
  ChargeDialog dialog(prompter_, type, row + 1, shippingBasisName(basedOn_), lowerBoundOf(row),
                      andUp, currencySymbol_);
  dialog.limit = type.upperLimits[row];
  dialog.charge = type.charges[row];
  if (host_.runDialog(dialog) == DialogResult::kCancel) return;
  type.replaceRangeOver(row, {dialog.limit, dialog.charge});
  notifyChanged();
}

void ShippingTypeDialog::deleteCharge() {
  if (!selectedRow || *selectedRow >= type.rangeCount()) {
    prompter_.showMessage("Please, select a charge to be deleted.");
    return;
  }
  if (*selectedRow + 1 == type.rangeCount()) {
    prompter_.showMessage("Sorry, you may not delete this charge.");
    return;
  }
  type.removeRange(*selectedRow);
  selectedRow.reset();
  notifyChanged();
}

}  // namespace quorvex
