#include "publish/sales_log_lines.h"

#include <initializer_list>

namespace quorvex {

namespace {

std::string csvLine(std::initializer_list<std::string_view> fields) {
  std::string line;
  for (std::string_view field : fields) {
    if (!line.empty()) line += ',';
    line += csvField(field);
  }
  return line;
}

}  // namespace

std::string csvField(std::string_view value) {
  std::string field;
  if (!value.empty() && std::string_view("=+-@").find(value.front()) != std::string_view::npos) {
    field += '\'';
  }
  for (char c : value) field += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
  const bool quote = field.find_first_of(",\"") != std::string::npos ||
                     (!field.empty() && (field.front() == ' ' || field.back() == ' '));
  if (!quote) return field;
  std::string quoted = "\"";
  for (char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

SalesLogLines SalesLogLines::of(const PlacedOrder& order, const OrderCatalogue& catalogue) {
  const OrderRequest& request = order.request;
  const PricedOrder& priced = order.priced;
  const OrderAddress& bill = request.billing;
  const OrderAddress& ship = request.shipping;
  SalesLogLines lines;
  lines.header =
      csvLine({order.orderNumber, order.date, order.customerId, bill.firstName, bill.lastName,
               bill.street, bill.street2, bill.city, bill.state, bill.zip, bill.country,
               request.email, request.phone, request.fax, ship.firstName, ship.lastName,
               ship.street, ship.street2, ship.city, ship.state, ship.zip, ship.country,
               priced.shippingType, priced.taxRegion, formatCents(priced.subtotal),
               formatCents(priced.tax), formatCents(priced.shipping),
               formatCents(priced.grandTotal)}) +
      "\n";
  for (size_t i = 0; i < priced.lines.size(); ++i) {
    const PricedLine& line = priced.lines[i];
    std::string options;
    for (const auto& [feature, option] : line.options) {
      options += (options.empty() ? "" : "; ") + feature + ": " + option;
    }
    lines.items += csvLine({order.orderNumber, std::to_string(i + 1), line.product->partNumber,
                            line.product->description, options, std::to_string(line.quantity),
                            formatCents(line.unitPrice), formatCents(line.total)}) +
                   "\n";
  }
  lines.payment = csvLine({order.orderNumber, order.customerId, request.paymentMethod,
                           paymentStatus(request.paymentMethod), formatCents(priced.grandTotal)}) +
                  "\n";
  lines.misc = csvLine({order.orderNumber, order.remoteAddress, order.userAgent, request.comments});
  for (const CatalogueExtraField& field : catalogue.extraFields) {
    std::string value;
    for (const auto& [name, text] : request.extraFields) {
      if (name == field.name) value = text;
    }
    lines.misc += "," + csvField(value);
  }
  lines.misc += "\n";
  return lines;
}

}  // namespace quorvex
