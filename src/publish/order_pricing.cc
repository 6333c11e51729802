#include "publish/order_pricing.h"

#include <algorithm>
#include <cstdlib>

#include "platform/strings.h"

namespace quorvex {

namespace {

// A feature whose text the customer types: its options are "User Input"
// and the text box size.
bool isCustomerInput(const CatalogueFeature& feature) {
  return !feature.options.empty() && feature.options.front() == "User Input";
}

// The most characters a customer input feature takes: its text box size,
// or 80 when the size is missing or not a positive number.
size_t customerInputSize(const CatalogueFeature& feature) {
  constexpr size_t kDefaultSize = 80;
  if (feature.options.size() < 2) return kDefaultSize;
  const long size = std::strtol(feature.options[1].c_str(), nullptr, 10);
  return size > 0 ? static_cast<size_t>(size) : kDefaultSize;
}

// Checks the chosen options of one line against the product's features and
// returns them in the features' order.
Status checkOptions(const OrderItem& item, const CatalogueProduct& product,
                    std::vector<std::pair<std::string, std::string>>& options) {
  for (const auto& choice : item.options) {
    const std::string& feature = choice.first;
    const std::string& option = choice.second;
    auto offered = std::find_if(product.features.begin(), product.features.end(),
                                [&](const CatalogueFeature& f) { return f.name == feature; });
    if (offered == product.features.end()) {
      return Status::invalidArgument(item.partNumber + " has no choice \"" + feature + "\".");
    }
    if (isCustomerInput(*offered)) {
      const size_t size = customerInputSize(*offered);
      if (option.empty() || option.size() > size) {
        return Status::invalidArgument("Please enter the " + feature + " of " + item.partNumber +
                                       " (at most " + std::to_string(size) + " characters).");
      }
    } else if (std::find(offered->options.begin(), offered->options.end(), option) ==
               offered->options.end()) {
      return Status::invalidArgument(item.partNumber + " is not offered with " + feature + " \"" + option +
                             "\".");
    }
  }
  for (const CatalogueFeature& feature : product.features) {
    auto chosen = std::find_if(item.options.begin(), item.options.end(),
                               [&](const auto& option) { return option.first == feature.name; });
    if (chosen == item.options.end()) {
      return Status::invalidArgument("Please choose the " + feature.name + " of " + item.partNumber + ".");
    }
    options.push_back(*chosen);
  }
  return Status::success();
}

Status priceLine(const OrderItem& item, const OrderCatalogue& catalogue, PricedLine& line) {
  const CatalogueProduct* product = catalogue.findProduct(item.partNumber);
  if (!product) {
    return Status::invalidArgument("The item " + item.partNumber + " is not sold here any more.");
  }
  if (parseCents(item.shownPrice) != product->price) {
    return Status::invalidArgument("The price of " + item.partNumber + " is now " +
                           formatCents(product->price) + ". Please check your cart again.");
  }
  line.product = product;
  line.quantity = item.quantity;
  line.unitPrice = product->price;
  line.total = product->price * item.quantity;
  return checkOptions(item, *product, line.options);
}

Cents shippingCharge(const OrderCatalogue& catalogue, const CatalogueShippingType& type,
                     const PricedOrder& priced) {
  if (catalogue.shippingBasis == OrderCatalogue::ShippingBasis::kFlatRate) {
    return type.flatRate + catalogue.handlingCharge;
  }
  double value = 0;
  for (const PricedLine& line : priced.lines) {
    if (line.product->download) continue;
    switch (catalogue.shippingBasis) {
      case OrderCatalogue::ShippingBasis::kWeight:
        value += line.product->weight * line.quantity;
        break;
      case OrderCatalogue::ShippingBasis::kQuantity:
        value += line.quantity;
        break;
      default:
        value += static_cast<double>(line.total) / 100;
    }
  }
  size_t range = 0;
  while (range < type.limits.size() && value > type.limits[range]) ++range;
  return type.charges[range] + catalogue.handlingCharge;
}

Status priceShipping(const OrderRequest& request, const OrderCatalogue& catalogue,
                     PricedOrder& priced) {
  if (!priced.hasShippedItems || catalogue.shippingTypes.empty()) return Status::success();
  auto type = std::find_if(
      catalogue.shippingTypes.begin(), catalogue.shippingTypes.end(),
      [&](const CatalogueShippingType& t) { return t.label == request.shippingType; });
  if (type == catalogue.shippingTypes.end()) {
    return Status::invalidArgument("Please choose one of the shipping types offered.");
  }
  const bool flat = catalogue.shippingBasis == OrderCatalogue::ShippingBasis::kFlatRate;
  if (!flat && type->charges.empty()) {
    return Status::invalidArgument("The shipping type " + type->label +
                           " has no charges yet; please choose another.");
  }
  priced.shippingType = type->label;
  priced.shipping = shippingCharge(catalogue, *type, priced);
  return Status::success();
}

// The tax whose region is `region` (without regard to case), or null.
const CatalogueTax* taxOf(const OrderCatalogue& catalogue, std::string_view region) {
  auto tax = std::find_if(catalogue.taxes.begin(), catalogue.taxes.end(),
                          [&](const CatalogueTax& t) {
                            return equalsIgnoreCase(t.region, region);
                          });
  return tax == catalogue.taxes.end() ? nullptr : &*tax;
}

// The address as a message shows it: "Seattle, WA, USA".
std::string placeOf(const OrderAddress& address) {
  std::string place;
  for (const std::string* part : {&address.city, &address.state, &address.country}) {
    const std::string_view text = trim(*part);
    if (!text.empty()) place += (place.empty() ? "" : ", ") + std::string(text);
  }
  return place;
}

Status priceTax(const OrderRequest& request, const OrderCatalogue& catalogue,
                PricedOrder& priced) {
  const std::string region = taxRegionOf(request.shipping, catalogue.taxes);
  const CatalogueTax* tax = region.empty() ? nullptr : taxOf(catalogue, region);
  if (!request.taxRegion.empty()) {
    const CatalogueTax* declared = taxOf(catalogue, request.taxRegion);
    if (!declared) {
      return Status::invalidArgument("The tax region \"" + request.taxRegion +
                                     "\" is not known here.");
    }
    // A state is known by its abbreviation and by its name: two names of
    // one region are no contradiction, a region with another rate is.
    if (!tax || declared->rate != tax->rate) {
      return Status::invalidArgument(
          "The tax region \"" + request.taxRegion + "\" does not fit the address (" +
          placeOf(request.shipping) + "), " +
          (tax ? "which is taxed as \"" + tax->region + "\"." : "which owes no tax here.") +
          " Please check the address.");
    }
  }
  if (!tax) return Status::success();
  Cents taxable = 0;
  for (const PricedLine& line : priced.lines) {
    if (line.product->taxable) taxable += line.total;
  }
  priced.taxRegion = tax->region;
  priced.tax = applyRate(taxable, tax->rate);
  return Status::success();
}

Status checkChoices(const OrderRequest& request, const OrderCatalogue& catalogue) {
  const auto& methods = catalogue.paymentMethods;
  if (std::find(methods.begin(), methods.end(), request.paymentMethod) == methods.end()) {
    return Status::invalidArgument("Please choose one of the payment methods offered.");
  }
  for (const auto& entry : request.extraFields) {
    const std::string& name = entry.first;
    const std::string& value = entry.second;
    auto field = std::find_if(catalogue.extraFields.begin(), catalogue.extraFields.end(),
                              [&](const CatalogueExtraField& f) { return f.name == name; });
    if (field == catalogue.extraFields.end()) {
      return Status::invalidArgument("The order form has no field \"" + name + "\".");
    }
    if (field->maxLength > 0 && value.size() > field->maxLength) {
      return Status::invalidArgument("The field \"" + field->label + "\" is longer than " +
                             std::to_string(field->maxLength) + " characters.");
    }
  }
  return Status::success();
}

}  // namespace

std::string taxRegionOf(const OrderAddress& address, const std::vector<CatalogueTax>& taxes) {
  const std::string_view city = trim(address.city);
  const std::string_view state = trim(address.state);
  const std::string cityKey =
      city.empty() || state.empty() ? "" : std::string(city) + ", " + std::string(state);
  for (std::string_view key : {std::string_view(cityKey), state, trim(address.country)}) {
    if (key.empty()) continue;
    for (const CatalogueTax& tax : taxes) {
      if (equalsIgnoreCase(tax.region, key)) return tax.region;
    }
  }
  return "";
}

Status priceOrder(const OrderRequest& request, const OrderCatalogue& catalogue,
                  PricedOrder& priced) {
  PricedOrder result;
  for (const OrderItem& item : request.items) {
    PricedLine& line = result.lines.emplace_back();
    if (Status status = priceLine(item, catalogue, line); !status.ok()) return status;
    result.subtotal += line.total;
    (line.product->download ? result.hasDownloads : result.hasShippedItems) = true;
  }
  // At most kMaxOrderItems lines of kMaxQuantity times kMaxCatalogueCents
  // each: the sum itself cannot overflow.
  if (result.subtotal > kMaxOrderCents) {
    return Status::invalidArgument("An order above " + formatCents(kMaxOrderCents) +
                           " cannot be taken here.");
  }
  if (Status status = checkChoices(request, catalogue); !status.ok()) return status;
  if (Status status = priceShipping(request, catalogue, result); !status.ok()) return status;
  if (Status status = priceTax(request, catalogue, result); !status.ok()) return status;
  result.grandTotal = result.subtotal + result.tax + result.shipping;
  priced = std::move(result);
  return Status::success();
}

}  // namespace quorvex
