#include "publish/order_request.h"

#include <nlohmann/json.hpp>
#include <algorithm>
#include <set>

#include "platform/text_encoding.h"
#include "publish/card_number.h"

namespace quorvex {

namespace {

using nlohmann::json;

// Reads one JSON object of the request: every member must be one the reader
// asks for, and the first fault is kept (later reads do nothing).
class RequestReader {
 public:
  RequestReader(const json& object, std::string where, Status& status)
      : object_(object), where_(std::move(where)), status_(status) {
    if (!object_.is_object()) {
      fail("The " + (where_.empty() ? std::string("order") : where_) + " is not a JSON object.");
    }
  }

  // Fails for members nobody asked for; call after all reads.
  void refuseUnknownMembers() {
    if (!status_.ok()) return;
    for (const auto& [name, value] : object_.items()) {
      if (!asked_.contains(name)) fail("The order holds an unknown field \"" + name + "\".");
    }
  }

  const json* member(const std::string& name) {
    asked_.insert(name);
    if (!status_.ok()) return nullptr;
    auto found = object_.find(name);
    return found == object_.end() ? nullptr : &*found;
  }

  void text(const std::string& name, std::string& out, bool required, size_t limit = kMaxFieldChars,
            bool multiLine = false) {
    const json* value = member(name);
    if (!status_.ok()) return;
    if (!value || (value->is_string() && value->get_ref<const std::string&>().empty())) {
      if (required) fail("Please fill in the field \"" + label(name) + "\".");
      return;
    }
    if (!value->is_string()) return fail("The field \"" + label(name) + "\" must be a text.");
    convert(value->get<std::string>(), name, out, limit, multiLine);
  }

  void convert(const std::string& utf8, const std::string& name, std::string& out, size_t limit,
               bool multiLine) {
    std::optional<std::string> converted = utf8ToCp1252(utf8);
    if (!converted) {
      return fail("The field \"" + label(name) + "\" holds a character the shop cannot take.");
    }
    if (converted->size() > limit) {
      return fail("The field \"" + label(name) + "\" is longer than " + std::to_string(limit) +
                  " characters.");
    }
    for (char c : *converted) {
      const auto byte = static_cast<unsigned char>(c);
      const bool lineBreak = c == '\n' || c == '\r' || c == '\t';
      if ((byte < 0x20 && !(multiLine && lineBreak)) || byte == 0x7f) {
        return fail("The field \"" + label(name) + "\" holds a control character.");
      }
    }
    out = std::move(*converted);
  }

  // Reads an object of text members into (name, value) pairs.
  void textMap(const std::string& name, std::vector<std::pair<std::string, std::string>>& out,
               size_t limit) {
    const json* value = member(name);
    if (!status_.ok() || !value) return;
    if (!value->is_object()) return fail("The field \"" + label(name) + "\" must be an object.");
    if (value->size() > limit) {
      return fail("The field \"" + label(name) + "\" has too many entries.");
    }
    for (const auto& [key, entry] : value->items()) {
      if (!entry.is_string()) return fail("The field \"" + label(name) + "\" must hold texts.");
      std::pair<std::string, std::string>& pair = out.emplace_back();
      convert(key, name, pair.first, kMaxFieldChars, false);
      convert(entry.get<std::string>(), name, pair.second, kMaxFieldChars, false);
    }
  }

  void fail(std::string message) {
    if (status_.ok()) status_ = Status::invalidArgument(std::move(message));
  }

  Status& status() { return status_; }
  const std::string& where() const { return where_; }

 private:
  std::string label(const std::string& name) const {
    return where_.empty() ? name : where_ + "." + name;
  }

  const json& object_;
  std::string where_;
  Status& status_;
  std::set<std::string> asked_;
};

void readAddress(RequestReader& parent, const std::string& name, OrderAddress& address,
                 bool required) {
  const json* value = parent.member(name);
  if (!parent.status().ok()) return;
  if (!value) {
    if (required) parent.fail("Please fill in the " + name + " address.");
    return;
  }
  RequestReader reader(*value, name, parent.status());
  reader.text("firstName", address.firstName, true);
  reader.text("lastName", address.lastName, true);
  reader.text("street", address.street, true);
  reader.text("street2", address.street2, false);
  reader.text("city", address.city, true);
  reader.text("state", address.state, false);
  reader.text("zip", address.zip, true);
  reader.text("country", address.country, true);
  reader.refuseUnknownMembers();
}

void readItem(RequestReader& reader, OrderItem& item) {
  reader.text("part", item.partNumber, true);
  reader.text("price", item.shownPrice, true);
  const json* quantity = reader.member("quantity");
  if (reader.status().ok()) {
    if (!quantity || !quantity->is_number_integer() || quantity->get<int64_t>() < 1 ||
        quantity->get<int64_t>() > kMaxQuantity) {
      reader.fail("The quantity of " + item.partNumber + " must be a whole number from 1 to " +
                  std::to_string(kMaxQuantity) + ".");
    } else {
      item.quantity = static_cast<int>(quantity->get<int64_t>());
    }
  }
  reader.textMap("options", item.options, kMaxItemOptions);
  reader.refuseUnknownMembers();
}

void readItems(RequestReader& parent, std::vector<OrderItem>& items) {
  const json* list = parent.member("items");
  if (!parent.status().ok()) return;
  if (!list || !list->is_array() || list->empty()) return parent.fail("The cart is empty.");
  if (list->size() > kMaxOrderItems) {
    return parent.fail("An order holds at most " + std::to_string(kMaxOrderItems) + " items.");
  }
  for (size_t i = 0; i < list->size() && parent.status().ok(); ++i) {
    RequestReader reader((*list)[i], "items[" + std::to_string(i) + "]", parent.status());
    readItem(reader, items.emplace_back());
  }
}

// Parses `body`, noting in `doubled` the first member name that an object
// of it holds twice (JSON would keep only the last).
json parseNotingDoubles(std::string_view body, std::string& doubled) {
  std::vector<std::set<std::string>> objects;
  json::parser_callback_t note = [&](int, json::parse_event_t event, json& parsed) {
    if (event == json::parse_event_t::object_start) {
      objects.emplace_back();
    } else if (event == json::parse_event_t::object_end) {
      objects.pop_back();
    } else if (event == json::parse_event_t::key && !objects.empty() &&
               !objects.back().insert(parsed.get<std::string>()).second && doubled.empty()) {
      doubled = parsed.get<std::string>();
    }
    return true;
  };
  return json::parse(body, note, /*allow_exceptions=*/false);
}

bool isOrderKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_';
}

// Refuses a card number typed into any text the customer writes freely.
Status refuseCardNumbers(const OrderRequest& request) {
  auto refusal = [](const std::string& where) {
    return Status::invalidArgument("Please remove the card number from " + where +
                                   ": this shop never stores or e-mails card numbers.");
  };
  for (const auto& [address, where] :
       {std::pair{&request.billing, "the billing address"},
        std::pair{&request.shipping, "the shipping address"}}) {
    for (const std::string* text : {&address->firstName, &address->lastName, &address->street,
                                    &address->street2, &address->city, &address->state,
                                    &address->zip, &address->country}) {
      if (holdsCardNumber(*text)) return refusal(where);
    }
  }
  if (holdsCardNumber(request.comments)) return refusal("the comments");
  for (const auto& [name, value] : request.extraFields) {
    if (holdsCardNumber(value)) return refusal("\"" + name + "\"");
  }
  for (const OrderItem& item : request.items) {
    for (const auto& option : item.options) {
      if (holdsCardNumber(option.second)) return refusal("the options of " + item.partNumber);
    }
  }
  return Status::success();
}

}  // namespace

Status parseOrderRequest(std::string_view body, OrderRequest& request) {
  if (body.size() > kMaxOrderRequestBytes) return Status::invalidArgument("The order is too large.");
  std::string doubled;
  const json parsed = parseNotingDoubles(body, doubled);
  if (parsed.is_discarded()) return Status::invalidArgument("The order is not valid JSON.");
  if (!doubled.empty()) {
    return Status::invalidArgument("The order names the field \"" + doubled + "\" twice.");
  }
  Status status = Status::success();
  OrderRequest read;
  RequestReader reader(parsed, "", status);
  reader.text("vendor", read.vendor, true);
  readItems(reader, read.items);
  readAddress(reader, "billing", read.billing, true);
  readAddress(reader, "shipping", read.shipping, false);
  reader.text("email", read.email, true);
  reader.text("phone", read.phone, false);
  reader.text("fax", read.fax, false);
  reader.text("comments", read.comments, false, kMaxCommentChars, /*multiLine=*/true);
  reader.textMap("extraFields", read.extraFields, kMaxExtraFields);
  reader.text("payment", read.paymentMethod, true);
  reader.text("taxRegion", read.taxRegion, false);
  reader.text("shippingType", read.shippingType, false);
  reader.text("orderKey", read.orderKey, false, kMaxOrderKeyChars);
  reader.refuseUnknownMembers();
  if (!status.ok()) return status;
  if (!isPlainEmailAddress(read.email)) {
    return Status::invalidArgument("Please give a valid e-mail address.");
  }
  if (!read.orderKey.empty() &&
      (read.orderKey.size() < kMinOrderKeyChars ||
       !std::all_of(read.orderKey.begin(), read.orderKey.end(), isOrderKeyCharacter))) {
    return Status::invalidArgument("The order key is not valid.");
  }
  if (read.shipping.firstName.empty()) read.shipping = read.billing;
  if (Status refused = refuseCardNumbers(read); !refused.ok()) return refused;
  request = std::move(read);
  return Status::success();
}

bool isPlainEmailAddress(std::string_view address) {
  constexpr std::string_view kNever = ",;<>\"'()[]\\";
  const size_t at = address.find('@');
  if (at == 0 || at == std::string_view::npos || address.find('@', at + 1) != address.npos) {
    return false;
  }
  const std::string_view domain = address.substr(at + 1);
  const size_t dot = domain.find('.');
  if (dot == 0 || dot == std::string_view::npos || domain.back() == '.') return false;
  for (char c : address) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= 0x20 || byte >= 0x7f || kNever.find(c) != kNever.npos) return false;
  }
  return address.size() <= 254;
}

}  // namespace quorvex
