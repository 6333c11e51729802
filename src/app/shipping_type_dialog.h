#ifndef QUORVEX_APP_SHIPPING_TYPE_DIALOG_H_
#define QUORVEX_APP_SHIPPING_TYPE_DIALOG_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "app/dialog_model.h"
#include "document/shipping_type.h"

namespace quorvex {

class DialogHost;
class Prompter;

// Returns the name of a shipping basis (CShipping::basedOn): "Subtotal",
// "Weight", "Quantity" or "Flat Rate"; "" for another value.
std::string shippingBasisName(int32_t basedOn);

// The dialog of one shipping type. With a flat-rate basis it is "Flat Rate
// Shipping" (the label and the flat rate); otherwise "Shipping Type" (the
// label and the charge table, one row per range).
class ShippingTypeDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `initial` for the basis `basedOn`. `host` and `prompter`
  // must outlive the dialog.
  ShippingTypeDialog(DialogHost& host, Prompter& prompter, CShippingType initial, int32_t basedOn,
                     std::string currencySymbol);

  CShippingType type;
  // The selected row of the charge table (0 is the first range).
  std::optional<size_t> selectedRow;

  const std::string& currencySymbol() const { return currencySymbol_; }
  // A flat-rate type has a flat rate instead of a charge table.
  bool flatRate() const;

  // The header cells of the charge table: the basis name and "Charge".
  std::array<std::string, 2> headerCells() const;
  // The first cell of row `row`: "Up To <limit>" for the first range unless
  // its limit is "And Up", otherwise "Above <previous limit>" ("Above 0" for
  // the first).
  std::string rowLabel(size_t row) const;

  // Insert Charge: a new range before the selected row, through "Edit
  // Shipping Charge"; the ranges it swallows are removed.
  void insertCharge();
  // Edit Charge: the selected range through "Edit Shipping Charge"; the
  // following ranges it swallows are removed.
  void editCharge();
  // Delete Charge: removes the selected range, never the last one.
  void deleteCharge();

 private:
  std::string lowerBoundOf(size_t row) const;

  DialogHost& host_;
  Prompter& prompter_;
  int32_t basedOn_;
  std::string currencySymbol_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SHIPPING_TYPE_DIALOG_H_
