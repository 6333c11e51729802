#ifndef QUORVEX_GENERATOR_FEATURE_FIELDS_H_
#define QUORVEX_GENERATOR_FEATURE_FIELDS_H_

namespace quorvex {

class GenerationContext;

// The product features as a shop template that predates the display styles
// expects them (the context's oldStyleShop): the features' names and
// options, and the argument lists through which its script passes the
// chosen options along. Newer shop templates get, instead, the features each
// product offers in one field (`product_features`).
//
// The context must outlive the object. Not thread-safe.
class FeatureFields {
 public:
  explicit FeatureFields(GenerationContext& context) : context_(context) {}

  // For an old-style shop template only (progress "Loading features..."),
  // sets from the product table's feature definitions, in order (i from 0,
  // n from 1):
  // - `featureArray`: "featureArray[i] = '<B>';\n" per definition, where B is
  //   "'<name>'" followed by ",'<option>'" per option, each script-escaped,
  //   and B is script-escaped once more as a whole (an apostrophe in an
  //   option ends up with three backslashes before it);
  // - `featureList`: "feature<n>," per definition;
  // - `featureAssign`: "this.feature<n> = feature<n>;\n" per definition;
  // - `newItemFeatureList`: "newItem.feature<n>," per definition.
  // For a newer shop template, sets `product_features` instead
  // (setProductFeatures()).
  void setFeatureFields();

 private:
  // Sets `product_features`: for each published product that offers a
  // feature, "productFeatures['<part number>'] = [['<feature>','<option>',
  // ...],...];\n", the features in definition order with the options the
  // product offers (the order server accepts exactly these), every text
  // script-escaped. A customer input feature's options are "User Input" and
  // the text box size.
  void setProductFeatures();

  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_FEATURE_FIELDS_H_
