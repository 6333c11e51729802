#include "generator/shipping_fields.h"

#include <algorithm>

#include "company/brenquil_doc.h"
#include "generator/commerce_text.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "platform/prompter.h"

namespace quorvex {

namespace {

// The name of a shipping type's charge table in the script.
std::string tableName(const CShippingType& type) { return "x" + checkedName(type.label, true); }

double amountOf(std::string_view text) { return chargeValue(chargeDigits(text)); }

}  // namespace

size_t ShippingFields::limitedRangeCount(const CShippingType& type) {
  const size_t most = type.charges.empty() ? 0 : type.charges.size() - 1;
  size_t count = 0;
  while (count < most && count < type.upperLimits.size() &&
         !chargeDigits(type.upperLimits[count]).empty()) {
    ++count;
  }
  return count;
}

void ShippingFields::setShipTypes() {
  const CShipping& shipping = *context_.doc.m_pShipping;
  const double handling = amountOf(shipping.handlingCharge);
  std::string statements;
  bool chargesMissing = false;
  for (const CShippingType& type : shipping.shippingTypes) {
    const std::string table = tableName(type);
    statements += table + " = new Array();\n";
    if (shipping.basedOn == CShipping::kFlatRate) {
      statements += table + ".max = '" + money(amountOf(type.flatRate) + handling) + "';\n";
      continue;
    }
    if (type.charges.empty()) {
      chargesMissing = true;
      continue;
    }
    statements += table + ".max = '" + money(amountOf(type.charges.back()) + handling) + "';\n";
    // The last range covers everything above the others: it is only `.max`.
    const size_t rows = limitedRangeCount(type);
    for (size_t i = 0; i < rows; ++i) {
      statements += table + "[" + std::to_string(i) + "] = new shippingTypes(" +
                    scriptEscape(chargeDigits(type.upperLimits[i])) + "," +
                    scriptEscape(money(amountOf(type.charges[i]) + handling)) + ");\n";
    }
    statements += "\n";
  }
  context_.fields.set("ship_types", std::move(statements));
  if (chargesMissing) context_.prompter().showMessage(kMissingChargesWarning);
}

void ShippingFields::setShipInfo() {
  std::string statements;
  size_t i = 0;
  for (const CShippingType& type : context_.doc.m_pShipping->shippingTypes) {
    statements += "shippingInfo[" + std::to_string(i++) + "] = new shippingInformation('" +
                  scriptEscape(type.label) + "','" + scriptEscape(tableName(type)) + "');\n";
  }
  context_.fields.set("ship_info", statements + "\n");
}

void ShippingFields::setHowToShip() {
  const char* basis = "quantity";
  switch (context_.doc.m_pShipping->basedOn) {
    case CShipping::kSubtotal:
      basis = "subtotal";
      break;
    case CShipping::kWeight:
      basis = "weight";
      break;
    case CShipping::kFlatRate:
      basis = "flatRate";
      break;
    default:
      break;
  }
  context_.fields.set("how_to_ship", basis);
}

}  // namespace quorvex
