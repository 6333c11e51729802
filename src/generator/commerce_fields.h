#ifndef QUORVEX_GENERATOR_COMMERCE_FIELDS_H_
#define QUORVEX_GENERATOR_COMMERCE_FIELDS_H_

namespace quorvex {

class COrderFormPage;
class CPageData;
class GenerationContext;

// Returns the first order form page of `pages`, whose extra fields the order
// form asks for; null when there is none.
const COrderFormPage* firstOrderFormPage(const CPageData& pages);

// The order data of the shopping cart that needs no files: the tax table,
// the extra input fields of the order form and the sales texts of the
// products. Each method sets its field of the context's field table; none
// shows a message.
//
// The context must outlive the object. Not thread-safe.
class CommerceFields {
 public:
  explicit CommerceFields(GenerationContext& context) : context_(context) {}

  // Sets `tax`: one statement "tax[k] = new taxes(...);\n" per tax, with one
  // running k over the state taxes, then the city taxes, then the
  // value-added taxes. Names are lower-cased (not the country) and
  // tax-escaped (commerce_text.h); a rate keeps only its digits and points,
  // so an empty rate leaves nothing between the comma and the parenthesis.
  //   state: ('<state>','<abbreviation>','stateTax',<rate>)
  //   city:  ('<state>','<abbreviation>','<city>',<rate>)
  //   V.A.T.: ('vat','','<country>',<rate>)
  // A city's abbreviation is tax-escaped too, but an empty one stays empty.
  void setTax();

  // Sets `extra_order_fields`, only when the page list has a product page:
  // the table rows of the extra input fields of the first order form page,
  // label, size, name and maximum length as the user entered them ("" when
  // there is no order form page).
  void setExtraOrderFields();

  // Sets `sales_blurbs`: "salesblurb['<part>'] = '<text>';\n" for every
  // product row, published or not, in table order, whose sales description
  // is not empty (part number cleaned, both script-escaped).
  void setSalesBlurbs();

 private:
  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_COMMERCE_FIELDS_H_
