#ifndef QUORVEX_APP_SHIPPING_STEP_H_
#define QUORVEX_APP_SHIPPING_STEP_H_

#include <cstddef>
#include <optional>
#include <string>

#include "app/step_model.h"
#include "document/shipping.h"

namespace quorvex {

struct AppServices;

// "Set Shipping": the basis of the charges, the handling charge and the
// shipping types.
class ShippingStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the shipping record; the currency symbol comes from the business
  // record.
  explicit ShippingStep(AppServices& app);

  // The drop-down changes `basedOn` at once; the view edits it here.
  CShipping shipping;
  std::optional<size_t> selectedType;

  const std::string& currencySymbol() const { return currencySymbol_; }

  // Add: a new type (a flat rate, or one range "And Up" charging "0") in the
  // type dialog; a label that another type already has, in any case, is
  // refused and the dialog opens again with the entries.
  void addType();
  // Edit: the selected type in the type dialog; its label may stay, but a
  // changed label is checked against every type, the edited one included.
  void editType();
  // Delete: the selected type, after the user agreed.
  void deleteType();

  // Stores the shipping record back.
  void apply() override;

 private:
  void runTypeDialog(CShippingType type, std::optional<size_t> edited);

  AppServices& app_;
  std::string currencySymbol_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SHIPPING_STEP_H_
