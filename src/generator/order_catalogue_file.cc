#include "generator/order_catalogue_file.h"

#include <algorithm>
#include <cmath>

#include "company/brenquil_doc.h"
#include "generator/commerce_fields.h"
#include "generator/commerce_text.h"
#include "generator/download_location.h"
#include "generator/generation_context.h"
#include "generator/shipping_fields.h"
#include "generator/web_address.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "products/product_text.h"
#include "site/order_form_page.h"

namespace quorvex {

namespace {

double valueOf(std::string_view text) { return chargeValue(chargeDigits(text)); }

Cents centsOf(std::string_view text) { return std::llround(valueOf(text) * 100); }

CatalogueProduct productOf(const CExtraItem& row, const std::string& companyUrl) {
  CatalogueProduct product;
  product.partNumber = cleanPartNumber(row.partNumber);
  product.description = cleanDescription(row.description);
  product.price = centsOf(row.price);
  product.weight = valueOf(row.weight);
  product.taxable = row.taxFlag != 0;
  product.download = row.downloadFlag != 0;
  if (product.download) {
    const DownloadLocation location = DownloadLocation::of(row, companyUrl);
    product.downloadUrl = location.url;
    if (location.host == DownloadLocation::Host::kOrderServer &&
        isSingleFileName(location.fileName)) {
      product.downloadFile = location.fileName;
    }
  }
  for (const CFeatureCheck& feature : row.featureSelections) {
    if (feature.checked != 0 && !feature.selectedOptions.empty()) {
      product.features.push_back({feature.label, feature.selectedOptions});
    }
  }
  return product;
}

void addTaxes(const CTax& taxes, OrderCatalogue& catalogue) {
  for (size_t i = 0; i < taxes.stateTaxCount(); ++i) {
    const StateTax tax = *taxes.stateTaxAt(i);
    // A state is named by its abbreviation or its name.
    catalogue.taxes.push_back({tax.abbreviation, valueOf(tax.rate)});
    catalogue.taxes.push_back({tax.state, valueOf(tax.rate)});
  }
  for (size_t i = 0; i < taxes.cityTaxCount(); ++i) {
    const CityTax tax = *taxes.cityTaxAt(i);
    catalogue.taxes.push_back({tax.city + ", " + tax.stateAbbreviation, valueOf(tax.rate)});
  }
  for (size_t i = 0; i < taxes.vatTaxCount(); ++i) {
    const VatTax tax = *taxes.vatTaxAt(i);
    catalogue.taxes.push_back({tax.country, valueOf(tax.rate)});
  }
}

void addShipping(const CShipping& shipping, OrderCatalogue& catalogue) {
  using Basis = OrderCatalogue::ShippingBasis;
  switch (shipping.basedOn) {
    case CShipping::kSubtotal: catalogue.shippingBasis = Basis::kSubtotal; break;
    case CShipping::kWeight: catalogue.shippingBasis = Basis::kWeight; break;
    case CShipping::kFlatRate: catalogue.shippingBasis = Basis::kFlatRate; break;
    default: catalogue.shippingBasis = Basis::kQuantity;
  }
  catalogue.handlingCharge = centsOf(shipping.handlingCharge);
  for (const CShippingType& type : shipping.shippingTypes) {
    CatalogueShippingType& out = catalogue.shippingTypes.emplace_back();
    out.label = type.label;
    out.flatRate = centsOf(type.flatRate);
    // The ranges of the shop's charge tables; the last charge covers
    // everything above their limits.
    const size_t ranges = ShippingFields::limitedRangeCount(type);
    for (size_t i = 0; i < ranges; ++i) {
      out.limits.push_back(valueOf(type.upperLimits[i]));
      out.charges.push_back(centsOf(type.charges[i]));
    }
    if (!type.charges.empty()) out.charges.push_back(centsOf(type.charges.back()));
  }
}

// The scheme and host of the shop's web address.
std::string originOf(const std::string& url) {
  if (url.empty()) return "";
  const std::string address = absoluteWebAddress(url);
  const size_t host = address.find("://") + 3;
  return address.substr(0, address.find('/', host));
}

}  // namespace

OrderCatalogue orderCatalogueOf(const CBrenquilDoc& doc) {
  OrderCatalogue catalogue;
  for (const CExtraItem& row : doc.m_pExtraFields->rows) {
    if (row.publishState == 0) catalogue.products.push_back(productOf(row, doc.m_pContact->url));
  }
  addTaxes(*doc.m_pTax, catalogue);
  addShipping(*doc.m_pShipping, catalogue);
  if (const COrderFormPage* orderForm = firstOrderFormPage(*doc.m_pPageData)) {
    for (const CExtraOrderField& field : orderForm->extraFields) {
      catalogue.extraFields.push_back(
          {field.identifier, field.description,
           static_cast<size_t>(std::max(0.0, valueOf(field.maxLength)))});
    }
  }
  catalogue.paymentMethods = doc.m_pOrderNotifyData->paymentMethods;
  catalogue.companyName = doc.m_strCompanyName;
  catalogue.shopOrigin = originOf(doc.m_pContact->url);
  const CFtp& server = *doc.m_pFtp;
  // Browsers send an origin's scheme and host in lower case.
  for (const std::string& origin : server.extraOriginList()) {
    catalogue.extraOrigins.push_back(toLowerAscii(origin));
  }
  catalogue.orderEmail = server.orderEmail;
  catalogue.notifyFrom = server.notifyFrom;
  if (server.sendExtraNotification != 0) catalogue.extraNotifyTo = server.notifyTo;
  catalogue.downloadExpiryDays = std::clamp(server.downloadExpiryDays, 0, kMaxDownloadExpiryDays);
  return catalogue;
}

void writeOrderCatalogue(GenerationContext& context) {
  const SiteFolders& folders = context.folders;
  const std::string local = folders.siteFile(kOrderCatalogueFileName);
  if (context.writer.write(folders.native(folders.siteFolder()), kOrderCatalogueFileName,
                           orderCatalogueOf(context.doc).toJson())) {
    context.enterFile(FileLists::kOrderServer, local, local, kOrderCatalogueFileName, "", 0, 0);
  }
}

}  // namespace quorvex
