#ifndef QUORVEX_GENERATOR_ORDER_CATALOGUE_FILE_H_
#define QUORVEX_GENERATOR_ORDER_CATALOGUE_FILE_H_

#include "publish/order_catalogue.h"

namespace quorvex {

class CBrenquilDoc;
class GenerationContext;

// Returns what the order server needs to check and price the orders of the
// document's shop: the published products with their prices, weights, tax
// flags, feature options and download locations (DownloadLocation; a file
// on the order server by its name, when that is a single file name), the
// taxes, the shipping charges, the extra order-form fields, the payment
// methods and the e-mail settings. Amounts and rates are read as the shop's
// script reads them (only their digits and points).
OrderCatalogue orderCatalogueOf(const CBrenquilDoc& doc);

// Writes orderCatalogueOf(context.doc) as kOrderCatalogueFileName into the
// site folder and enters it in the order-server file list.
void writeOrderCatalogue(GenerationContext& context);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_ORDER_CATALOGUE_FILE_H_
