#ifndef QUORVEX_PUBLISH_ORDER_TEXT_FIELDS_H_
#define QUORVEX_PUBLISH_ORDER_TEXT_FIELDS_H_

#include <map>
#include <string>
#include <string_view>

#include "publish/order_catalogue.h"
#include "publish/placed_order.h"

namespace quorvex {

// The values of the bracketed fields ("[FNAME]") of the order e-mails and
// pages for one order: the fixed fields of the e-mail dialogs, [CARDTYPE]
// (which texts of the first stored form hold) and the extra order-form
// fields by their names. Card data is never collected:
// [CARDNUMBER] shows a mask, [LAST5CC] and the expiry are empty, and
// [RTSTATUS] tells how the payment stands (paymentStatus()).
class OrderTextFields {
 public:
  // How values are put into a text: as they are (e-mails), or with & < > "
  // written as HTML entities (pages).
  enum class Escape { kNone, kHtml };

  // The mask [CARDNUMBER] is replaced with.
  static constexpr char kCardNumberMask[] = "****************";

  OrderTextFields(const PlacedOrder& order, const OrderCatalogue& catalogue);

  // Returns `text` with every bracketed field it knows replaced by its value;
  // other bracketed words are kept.
  std::string fill(std::string_view text, Escape escape) const;

  // Returns the value of field `name` (without brackets); "" for a name it
  // does not know.
  std::string value(const std::string& name) const;

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

// Returns the order's lines as the [THE_SHOPPING_LIST] field shows them, one
// per line, each ending in CR LF: "2 x TENT-2P Ridgeline 2 tent (Colour:
// Green) at 249.00 = 498.00".
std::string shoppingList(const PricedOrder& priced);

// Returns the order's downloaded items as the [DOWNLOADURL] field shows
// them, one per line, each ending in CR LF: "MAP-1 Trail map:
// https://orders.example/download/acmeoutd/<token>", or the part number and
// description alone for an item without a link (PlacedOrder::downloadLinks).
std::string downloadList(const PlacedOrder& order);

// Returns `text` with & < > " written as HTML entities, so that it shows as
// it is inside an HTML element or a quoted attribute.
std::string escapeHtml(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_TEXT_FIELDS_H_
