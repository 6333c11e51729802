#ifndef QUORVEX_GENERATOR_PRODUCT_TEMPLATE_H_
#define QUORVEX_GENERATOR_PRODUCT_TEMPLATE_H_

namespace quorvex {

class GenerationContext;

// Sets the field `productTemplate` to the whole text of the product listing
// template "CatTemp0.html", read line by line with each line followed by a
// line feed (not escaped: its own fields expand with it).
//
// The file is taken from the style's folder (templatePath) or from
// "Template Common", whichever comes first and can be opened: for a permanent
// style (StyleTemplateFolder::isPermanentName) "Template Common" comes
// first, for every other style the style's folder. When neither can be
// opened, or reading fails, "FILE ERROR: " + the reason is shown and the
// value is what could be read ("" when nothing).
void setProductTemplate(GenerationContext& context);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PRODUCT_TEMPLATE_H_
