#include "generator/commerce_fields.h"

#include "company/brenquil_doc.h"
#include "generator/commerce_text.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "platform/strings.h"
#include "products/product_text.h"
#include "site/order_form_page.h"
#include "site/page_type.h"

namespace quorvex {

namespace {

// `text` lower-cased and tax-escaped, between single quotes.
std::string lowerQuoted(std::string_view text) {
  return "'" + taxEscape(toLowerAscii(text)) + "'";
}

// The statement of tax `index` with its quoted place arguments and rate.
std::string taxStatement(size_t index, const std::string& places, std::string_view rate) {
  return "tax[" + std::to_string(index) + "] = new taxes(" + places + "," +
         chargeDigits(taxEscape(rate)) + ");\n";
}

// One row of the order form's table of extra fields.
std::string extraFieldRow(const CExtraOrderField& field) {
  return "<tr>\n<td align=\"right\" width=\"25%\"><font                    face=\"Arial\">" +
         field.description +
         ": </font></td>\n<td width=\"75%\"><font face=\"Arial\"><input                    "
         "type=\"text\" size=\"" +
         field.fieldSize + "\" name=\"" + field.identifier + "\" maxlength=\"" + field.maxLength +
         "\"></font></td>\n</tr>";
}

}  // namespace

const COrderFormPage* firstOrderFormPage(const CPageData& pages) {
  for (const Owned<CPage>& page : pages.pages) {
    if (page->pageType == kOrderFormPageType) {
      return dynamic_cast<const COrderFormPage*>(page.get());
    }
  }
  return nullptr;
}

void CommerceFields::setTax() {
  const CTax& taxes = *context_.doc.m_pTax;
  std::string statements;
  size_t k = 0;
  for (size_t i = 0; i < taxes.stateTaxCount(); ++i) {
    const StateTax tax = *taxes.stateTaxAt(i);
    statements += taxStatement(
        k++, lowerQuoted(tax.state) + "," + lowerQuoted(tax.abbreviation) + ",'stateTax'",
        tax.rate);
  }
  for (size_t i = 0; i < taxes.cityTaxCount(); ++i) {
    const CityTax tax = *taxes.cityTaxAt(i);
    // An abbreviation may be empty here: it is escaped, but not widened to
    // the single space of an empty escaped text.
    const std::string abbreviation =
        tax.stateAbbreviation.empty() ? "" : taxEscape(toLowerAscii(tax.stateAbbreviation));
    statements += taxStatement(
        k++, lowerQuoted(tax.state) + ",'" + abbreviation + "'," + lowerQuoted(tax.city), tax.rate);
  }
  for (size_t i = 0; i < taxes.vatTaxCount(); ++i) {
    const VatTax tax = *taxes.vatTaxAt(i);
    statements += taxStatement(k++, "'vat','','" + taxEscape(tax.country) + "'", tax.rate);
  }
  context_.fields.set("tax", std::move(statements));
}

void CommerceFields::setExtraOrderFields() {
  const CPageData& pages = *context_.doc.m_pPageData;
  if (!pages.hasProductPage()) return;
  std::string rows;
  if (const COrderFormPage* orderForm = firstOrderFormPage(pages)) {
    for (const CExtraOrderField& field : orderForm->extraFields) rows += extraFieldRow(field);
  }
  context_.fields.set("extra_order_fields", std::move(rows));
}

void CommerceFields::setSalesBlurbs() {
  std::string statements;
  for (const CExtraItem& row : context_.doc.m_pExtraFields->rows) {
    if (row.salesDescription.empty()) continue;
    statements += "salesblurb['" + scriptEscape(cleanPartNumber(row.partNumber)) + "'] = '" +
                  scriptEscape(row.salesDescription) + "';\n";
  }
  context_.fields.set("sales_blurbs", std::move(statements));
}

}  // namespace quorvex
