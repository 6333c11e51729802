#ifndef QUORVEX_PUBLISH_ORDER_CATALOGUE_H_
#define QUORVEX_PUBLISH_ORDER_CATALOGUE_H_

#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"
#include "publish/cents.h"

namespace quorvex {

// The name under which the site build puts the catalogue into the order
// server's file list, beside products.txt and the order texts.
inline constexpr char kOrderCatalogueFileName[] = "orderdata.json";

// The folder, on the web server and in a merchant's folder on the order
// server, that holds the files of the downloaded items.
inline constexpr char kSoftgoodsFolder[] = "softgoods";

// The largest price or charge the order data may hold: 9,999,999,999.99,
// the largest price an order can show (parseCents()).
inline constexpr Cents kMaxCatalogueCents = 999'999'999'999;

// The most days downloads may stay available after an order (a century).
inline constexpr int kMaxDownloadExpiryDays = 36500;

// A feature a product offers (size, colour) with the options the customer
// chooses from.
struct CatalogueFeature {
  std::string name;
  std::vector<std::string> options;
};

// One product as the order server prices it.
struct CatalogueProduct {
  // Cleaned as in products.txt.
  std::string partNumber;
  std::string description;
  Cents price = 0;
  double weight = 0;
  bool taxable = true;
  // A downloaded item: it is not shipped.
  bool download = false;
  std::vector<CatalogueFeature> features;
  // Where a downloaded item is fetched: the web address the customer
  // fetches it from, or else the name of its file in the "softgoods" folder
  // of the merchant's folder on the order server (a single file name,
  // isSingleFileName() of platform/paths.h); both empty when the merchant delivers it otherwise.
  std::string downloadUrl;
  std::string downloadFile;
};

// A tax the customer's region may owe. The region key is what an order names
// in its "taxRegion": a state's abbreviation, "city, abbreviation" for a
// city, a country's name for a value-added tax; keys compare without regard
// to case.
struct CatalogueTax {
  std::string region;
  double rate = 0;
};

// A shipping choice with its charge table (see ShippingTable in
// order_pricing.h for how a charge is picked).
struct CatalogueShippingType {
  std::string label;
  Cents flatRate = 0;
  // Upper limits of all ranges but the last, ascending.
  std::vector<double> limits;
  // One charge per range; the last one covers everything above the limits.
  // Empty when the merchant set no charges: the type cannot be chosen.
  std::vector<Cents> charges;
};

// An extra field of the order form.
struct CatalogueExtraField {
  std::string name;
  std::string label;
  size_t maxLength = 0;
};

// Everything the order server needs of a merchant besides its texts and
// pages: the products with their prices, the taxes, shipping, the extra
// order-form fields, the payment methods and where the e-mails go. The site
// build writes it as JSON (UTF-8) into the order server's files; the order
// server reads it for every order.
struct OrderCatalogue {
  enum class ShippingBasis { kSubtotal, kWeight, kQuantity, kFlatRate };

  std::vector<CatalogueProduct> products;
  std::vector<CatalogueTax> taxes;
  ShippingBasis shippingBasis = ShippingBasis::kSubtotal;
  Cents handlingCharge = 0;
  std::vector<CatalogueShippingType> shippingTypes;
  std::vector<CatalogueExtraField> extraFields;
  std::vector<std::string> paymentMethods;
  std::string companyName;
  // The shop's origin ("https://shop.example"), the only web origin whose
  // pages may post orders from a script; empty when the company has no web
  // address.
  std::string shopOrigin;
  // Further origins the owner named ("https://shop.example.org"), whose
  // pages may also post orders from a script. The shop origin's other forms
  // (with or without "www.", over http or https) need not be listed.
  std::vector<std::string> extraOrigins;
  // Receives the merchant notification; empty: none is sent.
  std::string orderEmail;
  // Sender of the e-mails; the order e-mail address when empty.
  std::string notifyFrom;
  // Receives a copy of the merchant notification when not empty.
  std::string extraNotifyTo;
  // From 0 to kMaxDownloadExpiryDays.
  int downloadExpiryDays = 7;

  // Returns the product with `partNumber` (exact comparison), or null. The
  // pointer lives as long as this catalogue is unchanged.
  const CatalogueProduct* findProduct(std::string_view partNumber) const;

  // Returns the catalogue as JSON text; strings are taken as Windows-1252.
  std::string toJson() const;

  // Reads a catalogue written by toJson() into `catalogue`; strings come
  // back in Windows-1252. A product's "downloadUrl" and "downloadFile", and
  // "extraOrigins", may be missing (order data of older builds): they are
  // then empty. Fails with a
  // message naming the first field that is missing or of the wrong kind, a
  // download file that is not a single file name, or a number that is negative, not whole
  // where it counts cents, days or characters, or too large (a price or
  // charge above kMaxCatalogueCents, a tax rate above 100).
  static Status fromJson(std::string_view json, OrderCatalogue& catalogue);
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_CATALOGUE_H_
