#include "publish/order_text_fields.h"

namespace quorvex {

namespace {

// Line breaks of the customer's comments in the texts' own CR LF form.
std::string crlfLines(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += text[i] == '\n' || text[i] == '\r' ? std::string("\r\n") : std::string(1, text[i]);
  }
  return out;
}

}  // namespace

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string shoppingList(const PricedOrder& priced) {
  std::string list;
  for (const PricedLine& line : priced.lines) {
    list += std::to_string(line.quantity) + " x " + line.product->partNumber + " " +
            line.product->description;
    if (!line.options.empty()) {
      std::string options;
      for (const auto& [feature, option] : line.options) {
        options += (options.empty() ? "" : ", ") + feature + ": " + option;
      }
      list += " (" + options + ")";
    }
    list += " at " + formatCents(line.unitPrice) + " = " + formatCents(line.total) + "\r\n";
  }
  return list;
}

std::string downloadList(const PlacedOrder& order) {
  std::string list;
  const std::vector<PricedLine>& lines = order.priced.lines;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!lines[i].product->download) continue;
    list += lines[i].product->partNumber + " " + lines[i].product->description;
    const bool linked = i < order.downloadLinks.size() && !order.downloadLinks[i].empty();
    list += (linked ? ": " + order.downloadLinks[i] : std::string()) + "\r\n";
  }
  return list;
}

OrderTextFields::OrderTextFields(const PlacedOrder& order, const OrderCatalogue& catalogue) {
  const OrderRequest& request = order.request;
  const PricedOrder& priced = order.priced;
  const OrderAddress& bill = request.billing;
  const OrderAddress& ship = request.shipping;
  values_ = {
      {"DATE", order.date},
      {"CUSTOMERID", order.customerId},
      {"FNAME", bill.firstName},
      {"LNAME", bill.lastName},
      {"STREET", bill.street},
      {"STREET2", bill.street2},
      {"CITY", bill.city},
      {"STATE", bill.state},
      {"ZIP", bill.zip},
      {"COUNTRY", bill.country},
      {"SHIPFNAME", ship.firstName},
      {"SHIPLNAME", ship.lastName},
      {"SHIPSTREET", ship.street},
      {"SHIPSTREET2", ship.street2},
      {"SHIPCITY", ship.city},
      {"SHIPSTATE", ship.state},
      {"SHIPZIP", ship.zip},
      {"SHIPCOUNTRY", ship.country},
      {"CUSTOMER", request.email},
      {"PHONE", request.phone},
      {"FAX", request.fax},
      {"CREDITTYPE", request.paymentMethod},
      // What the first stored form of the texts called the card type.
      {"CARDTYPE", request.paymentMethod},
      {"LAST5CC", ""},
      {"CARDNUMBER", kCardNumberMask},
      {"EXPDATE_MONTH", ""},
      {"EXPDATE_YEAR", ""},
      {"THE_SHOPPING_LIST", shoppingList(priced)},
      {"SHIPPINGMEANS", priced.shippingType},
      {"SUBTOTAL", formatCents(priced.subtotal)},
      {"TAX", formatCents(priced.tax)},
      {"SHIPPINGCHARGE", formatCents(priced.shipping)},
      {"GRANDTOTAL", formatCents(priced.grandTotal)},
      {"COMMENTS", crlfLines(request.comments)},
      {"REMOTEADDR", order.remoteAddress},
      {"HTTPUSERAGENT", order.userAgent},
      {"STOREID", request.vendor},
      {"ORDERNUMBER", order.orderNumber},
      {"DOWNLOADURL", downloadList(order)},
      {"FTPEXPIRES", priced.hasDownloads ? order.downloadsExpire : ""},
      {"RTSTATUS", paymentStatus(request.paymentMethod)},
      {"RTAUTHCODE", ""},
      {"RTERRTXT", ""},
      {"RTTRANSID", ""},
      {"RTAVSCODE", ""},
  };
  // Every extra field of the form is replaced, also those left empty.
  for (const CatalogueExtraField& field : catalogue.extraFields) values_[field.name] = "";
  for (const auto& [name, text] : request.extraFields) values_[name] = text;
}

std::string OrderTextFields::value(const std::string& name) const {
  auto found = values_.find(name);
  return found == values_.end() ? std::string() : found->second;
}

std::string OrderTextFields::fill(std::string_view text, Escape escape) const {
  std::string out;
  size_t at = 0;
  while (at < text.size()) {
    const size_t open = text.find('[', at);
    const size_t close = open == std::string_view::npos ? open : text.find(']', open + 1);
    if (close == std::string_view::npos) break;
    out.append(text.substr(at, open - at));
    auto found = values_.find(text.substr(open + 1, close - open - 1));
    if (found == values_.end()) {
      // Not a field: keep the bracket and look for a field after it.
      out += '[';
      at = open + 1;
      continue;
    }
    out += escape == Escape::kHtml ? escapeHtml(found->second) : found->second;
    at = close + 1;
  }
  out.append(text.substr(at));
  return out;
}

}  // namespace quorvex
