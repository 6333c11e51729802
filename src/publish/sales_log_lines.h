#ifndef QUORVEX_PUBLISH_SALES_LOG_LINES_H_
#define QUORVEX_PUBLISH_SALES_LOG_LINES_H_

#include <string>
#include <string_view>

#include "publish/order_catalogue.h"
#include "publish/placed_order.h"

namespace quorvex {

// The lines one order adds to the four sales logs, in the CSV form the
// merchant's header.csv, items.csv, payment.csv and misc.csv hold. Each line
// ends in "\n"; `items` has one line per item. The columns:
//   header:  order number, date, customer ID, billing first name, last name,
//            street, street 2, city, state, zip, country, e-mail, phone,
//            fax, shipping first name, last name, street, street 2, city,
//            state, zip, country, shipping type, tax region, subtotal, tax,
//            shipping charge, grand total
//   items:   order number, line (from 1), part number, description,
//            options ("Colour: Green; Size: L"), quantity, unit price, total
//   payment: order number, customer ID, payment method, payment status,
//            grand total
//   misc:    order number, remote address, browser, comments, then the
//            values of the order form's extra fields in the form's order
struct SalesLogLines {
  std::string header;
  std::string items;
  std::string payment;
  std::string misc;

  static SalesLogLines of(const PlacedOrder& order, const OrderCatalogue& catalogue);
};

// Returns `value` as one CSV field: line breaks and tabs become spaces; a
// field holding a comma, a quote or a space at either end is quoted (quotes
// doubled); a field that a spreadsheet would take for a formula (starting
// with = + - @) gets a leading apostrophe.
std::string csvField(std::string_view value);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_SALES_LOG_LINES_H_
