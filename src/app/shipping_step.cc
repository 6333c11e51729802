#include "app/shipping_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "app/shipping_type_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

ShippingStep::ShippingStep(AppServices& app)
    : StepModel(kCmdShipping),
      shipping(*app.doc.m_pShipping),
      app_(app),
      currencySymbol_(app.doc.m_pBusiness->currencySymbol) {}

void ShippingStep::addType() {
  CShippingType type;
  if (shipping.basedOn != CShipping::kFlatRate) type.appendRange({CShippingType::kAndUp, "0"});
  runTypeDialog(std::move(type), std::nullopt);
}

void ShippingStep::editType() {
  if (!selectedType || *selectedType >= shipping.shippingTypes.size()) {
    app_.env.prompter().showMessage("Please, select a shipping type to edit.");
    return;
  }
  runTypeDialog(shipping.shippingTypes[*selectedType], selectedType);
}

void ShippingStep::runTypeDialog(CShippingType type, std::optional<size_t> edited) {
  Prompter& prompter = app_.env.prompter();
  ShippingTypeDialog dialog(app_.frontEnd, prompter, std::move(type), shipping.basedOn,
                            currencySymbol_);
  const bool taken = runUntilTaken(app_.frontEnd, prompter, dialog, [&] {
    Status status = shipping.checkTypeLabel(dialog.type.label, edited);
    if (!status.ok()) return status;
    if (edited) {
      shipping.shippingTypes[*edited] = dialog.type;
    } else {
      shipping.shippingTypes.push_back(dialog.type);
    }
    return status;
  });
  if (taken) notifyChanged();
}

void ShippingStep::deleteType() {
  if (!selectedType || *selectedType >= shipping.shippingTypes.size()) {
    app_.env.prompter().showMessage("Please, select a shipping type to delete.");
    return;
  }
  if (!app_.env.prompter().askYesNo("Are you sure you want to delete this shipping type?")) return;
  shipping.shippingTypes.erase(shipping.shippingTypes.begin() +
                               static_cast<std::ptrdiff_t>(*selectedType));
  selectedType.reset();
  notifyChanged();
}

void ShippingStep::apply() { *app_.doc.m_pShipping = shipping; }

}  // namespace quorvex
