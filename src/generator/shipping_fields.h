#ifndef QUORVEX_GENERATOR_SHIPPING_FIELDS_H_
#define QUORVEX_GENERATOR_SHIPPING_FIELDS_H_

#include <cstddef>

namespace quorvex {

class CShippingType;
class GenerationContext;

// The shipping data of the shopping cart: the charge table of every shipping
// type, the list the customer chooses from, and the basis of the charges.
// Each shipping type is known to the script as "x" + the checked name with
// prefix of its label (text_helpers.h). Charges, limits and the handling
// charge keep only their digits and points (chargeDigits) and are read as
// decimal numbers, an empty text as 0.
//
// The context must outlive the object. Not thread-safe.
class ShippingFields {
 public:
  // Shown once by setShipTypes() when a shipping type that is not a flat
  // rate has no charges.
  static constexpr const char* kMissingChargesWarning =
      "Quorvex detected that you have not entered any charges for one or more of your shipping "
      "types.\nThis will prevent your web site's Order Processing from functioning correctly.\n"
      "Please, check that you entered these charges and that you did not mean to select Flat "
      "Rate.";

  explicit ShippingFields(GenerationContext& context) : context_(context) {}

  // The number of ranges of `type` that end at a limit: range i covers the
  // values above limit i-1 up to and including limit i, and the last charge
  // covers everything above the last of these limits. Counts the limits in
  // order up to the first one without digits ("And Up") and at most one
  // fewer than there are charges, so limits 10, 20 with charges 5, 7, 9
  // give two ranges (up to 10: 5, up to 20: 7, above: 9), with or without
  // a final "And Up" limit. The shop's tables and the order server's
  // catalogue both follow it.
  static std::size_t limitedRangeCount(const CShippingType& type);

  // Sets `ship_types`. For each type X: "X = new Array();\n", then
  // - with the flat-rate basis: "X.max = '<flat rate + handling>';\n";
  // - otherwise, when it has charges: "X.max = '<last charge + handling>';\n",
  //   "X[i] = new shippingTypes(<limit i>,<charge i + handling>);\n" for the
  //   limitedRangeCount() ranges, and a line feed.
  // Amounts are written by money(). After all types, shows
  // kMissingChargesWarning when a type that is not a flat rate had no charges.
  void setShipTypes();

  // Sets `ship_info`: "shippingInfo[i] = new shippingInformation('<label>',
  // '<X>');\n" for each type i (script-escaped), then a line feed.
  void setShipInfo();

  // Sets `how_to_ship` to the basis of the charges: "subtotal", "weight",
  // "flatRate" or, for any other basis, "quantity".
  void setHowToShip();

 private:
  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SHIPPING_FIELDS_H_
