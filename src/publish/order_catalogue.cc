#include "publish/order_catalogue.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <type_traits>

#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace quorvex {

namespace {

using nlohmann::json;

constexpr const char* kBasisNames[] = {"subtotal", "weight", "quantity", "flatRate"};

// The largest value each kind of number may have. Every number is at least
// 0; amounts, lengths and days are whole. With these, no sum or product of
// the pricing leaves the range of Cents.
constexpr double kMaxWeight = 1e9;
constexpr double kMaxRangeLimit = 1e15;
constexpr double kMaxTaxRate = 100;
constexpr double kMaxFieldLength = 1e6;

// `value` as a Number from 0 to `max`; nullopt when it is not a number, out
// of that range, or not whole for a whole Number.
template <typename Number>
std::optional<Number> numberOf(const json& value, double max) {
  if (!value.is_number()) return std::nullopt;
  if constexpr (std::is_integral_v<Number>) {
    if (!value.is_number_integer()) return std::nullopt;
    if (value.is_number_unsigned()) {
      const auto whole = value.get<uint64_t>();
      if (static_cast<double>(whole) > max) return std::nullopt;
      return static_cast<Number>(whole);
    }
    const auto whole = value.get<int64_t>();
    if (whole < 0 || static_cast<double>(whole) > max) return std::nullopt;
    return static_cast<Number>(whole);
  } else {
    const double number = value.get<double>();
    if (!(number >= 0 && number <= max)) return std::nullopt;
    return number;
  }
}

json text(const std::string& cp1252) { return cp1252ToUtf8(cp1252); }

json textList(const std::vector<std::string>& list) {
  json array = json::array();
  for (const std::string& item : list) array.push_back(text(item));
  return array;
}

// Reads the members of one JSON object; the first failure is kept and later
// reads do nothing, so a reader goes through its fields without a check
// after each.
class ObjectReader {
 public:
  ObjectReader(const json& object, std::string where, Status& status)
      : object_(object), where_(std::move(where)), status_(status) {
    if (!object_.is_object()) fail("");
  }

  const json* member(const char* name, json::value_t kind) {
    if (!status_.ok()) return nullptr;
    auto found = object_.find(name);
    const bool numberWanted = kind == json::value_t::number_float;
    if (found == object_.end() || (numberWanted ? !found->is_number() : found->type() != kind)) {
      fail(name);
      return nullptr;
    }
    return &*found;
  }

  void read(const char* name, std::string& out) {
    if (const json* value = member(name, json::value_t::string)) {
      std::optional<std::string> converted = utf8ToCp1252(value->get<std::string>());
      if (!converted) return fail(name);
      out = std::move(*converted);
    }
  }
  // Reads a number from 0 to `max` (see numberOf()).
  template <typename Number>
  void readNumber(const char* name, Number& out, double max) {
    const json* value = member(name, json::value_t::number_float);
    if (!value) return;
    std::optional<Number> number = numberOf<Number>(*value, max);
    if (!number) return fail(name);
    out = *number;
  }
  // Reads the member `name` when the object has it; leaves `out` as it is
  // otherwise.
  template <typename Value>
  void readOptional(const char* name, Value& out) {
    if (object_.is_object() && object_.contains(name)) read(name, out);
  }
  void read(const char* name, bool& out) {
    if (const json* value = member(name, json::value_t::boolean)) out = value->get<bool>();
  }
  void read(const char* name, std::vector<std::string>& out) {
    const json* list = member(name, json::value_t::array);
    if (!list) return;
    for (const json& item : *list) {
      std::optional<std::string> converted =
          item.is_string() ? utf8ToCp1252(item.get<std::string>()) : std::nullopt;
      if (!converted) return fail(name);
      out.push_back(std::move(*converted));
    }
  }
  template <typename Number>
  void readNumbers(const char* name, std::vector<Number>& out, double max) {
    const json* list = member(name, json::value_t::array);
    if (!list) return;
    for (const json& item : *list) {
      std::optional<Number> number = numberOf<Number>(item, max);
      if (!number) return fail(name);
      out.push_back(*number);
    }
  }
  // Reads an array of objects, each with `readItem(ObjectReader&, Item&)`.
  template <typename Item, typename ReadItem>
  void readObjects(const char* name, std::vector<Item>& out, ReadItem readItem) {
    const json* list = member(name, json::value_t::array);
    if (!list) return;
    for (size_t i = 0; i < list->size() && status_.ok(); ++i) {
      ObjectReader item((*list)[i], where_ + name + "[" + std::to_string(i) + "].", status_);
      readItem(item, out.emplace_back());
    }
  }

  // Records that the member `name` is not valid, unless a failure came
  // first.
  void fail(const std::string& name) {
    if (status_.ok()) {
      status_ = Status::corruption("The order data has no valid \"" + where_ + name + "\".");
    }
  }

 private:
  const json& object_;
  std::string where_;
  Status& status_;
};

void readFeature(ObjectReader& reader, CatalogueFeature& feature) {
  reader.read("name", feature.name);
  reader.read("options", feature.options);
}

void readProduct(ObjectReader& reader, CatalogueProduct& product) {
  reader.read("partNumber", product.partNumber);
  reader.read("description", product.description);
  reader.readNumber("price", product.price, kMaxCatalogueCents);
  reader.readNumber("weight", product.weight, kMaxWeight);
  reader.read("taxable", product.taxable);
  reader.read("download", product.download);
  reader.readOptional("downloadUrl", product.downloadUrl);
  reader.readOptional("downloadFile", product.downloadFile);
  if (!product.downloadFile.empty() && !isSingleFileName(product.downloadFile)) {
    reader.fail("downloadFile");
  }
  reader.readObjects("features", product.features, readFeature);
}

void readTax(ObjectReader& reader, CatalogueTax& tax) {
  reader.read("region", tax.region);
  reader.readNumber("rate", tax.rate, kMaxTaxRate);
}

void readShippingType(ObjectReader& reader, CatalogueShippingType& type) {
  reader.read("label", type.label);
  reader.readNumber("flatRate", type.flatRate, kMaxCatalogueCents);
  reader.readNumbers("limits", type.limits, kMaxRangeLimit);
  reader.readNumbers("charges", type.charges, kMaxCatalogueCents);
}

void readExtraField(ObjectReader& reader, CatalogueExtraField& field) {
  reader.read("name", field.name);
  reader.read("label", field.label);
  reader.readNumber("maxLength", field.maxLength, kMaxFieldLength);
}

}  // namespace

const CatalogueProduct* OrderCatalogue::findProduct(std::string_view partNumber) const {
  for (const CatalogueProduct& product : products) {
    if (product.partNumber == partNumber) return &product;
  }
  return nullptr;
}

std::string OrderCatalogue::toJson() const {
  json out;
  json& productList = out["products"] = json::array();
  for (const CatalogueProduct& product : products) {
    json features = json::array();
    for (const CatalogueFeature& feature : product.features) {
      features.push_back({{"name", text(feature.name)}, {"options", textList(feature.options)}});
    }
    productList.push_back({{"partNumber", text(product.partNumber)},
                           {"description", text(product.description)},
                           {"price", product.price},
                           {"weight", product.weight},
                           {"taxable", product.taxable},
                           {"download", product.download},
                           {"downloadUrl", text(product.downloadUrl)},
                           {"downloadFile", text(product.downloadFile)},
                           {"features", features}});
  }
  json& taxList = out["taxes"] = json::array();
  for (const CatalogueTax& tax : taxes) {
    taxList.push_back({{"region", text(tax.region)}, {"rate", tax.rate}});
  }
  out["shippingBasis"] = kBasisNames[static_cast<int>(shippingBasis)];
  out["handlingCharge"] = handlingCharge;
  json& typeList = out["shippingTypes"] = json::array();
  for (const CatalogueShippingType& type : shippingTypes) {
    typeList.push_back({{"label", text(type.label)},
                        {"flatRate", type.flatRate},
                        {"limits", type.limits},
                        {"charges", type.charges}});
  }
  json& fieldList = out["extraFields"] = json::array();
  for (const CatalogueExtraField& field : extraFields) {
    fieldList.push_back(
        {{"name", text(field.name)}, {"label", text(field.label)}, {"maxLength", field.maxLength}});
  }
  out["paymentMethods"] = textList(paymentMethods);
  out["companyName"] = text(companyName);
  out["shopOrigin"] = text(shopOrigin);
  out["extraOrigins"] = textList(extraOrigins);
  out["orderEmail"] = text(orderEmail);
  out["notifyFrom"] = text(notifyFrom);
  out["extraNotifyTo"] = text(extraNotifyTo);
  out["downloadExpiryDays"] = downloadExpiryDays;
  return out.dump(1) + "\n";
}

Status OrderCatalogue::fromJson(std::string_view jsonText, OrderCatalogue& catalogue) {
  const json parsed = json::parse(jsonText, nullptr, /*allow_exceptions=*/false);
  if (parsed.is_discarded()) return Status::corruption("The order data is not valid JSON.");
  Status status = Status::success();
  OrderCatalogue read;
  ObjectReader reader(parsed, "", status);
  reader.readObjects("products", read.products, readProduct);
  reader.readObjects("taxes", read.taxes, readTax);
  std::string basis;
  reader.read("shippingBasis", basis);
  reader.readNumber("handlingCharge", read.handlingCharge, kMaxCatalogueCents);
  reader.readObjects("shippingTypes", read.shippingTypes, readShippingType);
  reader.readObjects("extraFields", read.extraFields, readExtraField);
  reader.read("paymentMethods", read.paymentMethods);
  reader.read("companyName", read.companyName);
  reader.read("shopOrigin", read.shopOrigin);
  reader.readOptional("extraOrigins", read.extraOrigins);
  reader.read("orderEmail", read.orderEmail);
  reader.read("notifyFrom", read.notifyFrom);
  reader.read("extraNotifyTo", read.extraNotifyTo);
  reader.readNumber("downloadExpiryDays", read.downloadExpiryDays, kMaxDownloadExpiryDays);
  if (!status.ok()) return status;
  bool basisKnown = false;
  for (int i = 0; i < 4; ++i) {
    if (basis == kBasisNames[i]) {
      read.shippingBasis = static_cast<ShippingBasis>(i);
      basisKnown = true;
    }
  }
  if (!basisKnown) return Status::corruption("The order data has no valid \"shippingBasis\".");
  for (const CatalogueShippingType& type : read.shippingTypes) {
    const bool tableFits = type.charges.empty() || type.charges.size() == type.limits.size() + 1;
    if (read.shippingBasis != ShippingBasis::kFlatRate && !tableFits) {
      return Status::corruption("The order data's shipping type \"" + type.label +
                             "\" needs one charge more than it has limits.");
    }
  }
  catalogue = std::move(read);
  return Status::success();
}

}  // namespace quorvex
