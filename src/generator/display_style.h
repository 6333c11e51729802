#ifndef QUORVEX_GENERATOR_DISPLAY_STYLE_H_
#define QUORVEX_GENERATOR_DISPLAY_STYLE_H_

#include <string>

namespace quorvex {

class GenerationContext;

// Sets the fields through which the shop page draws its catalogue from the
// product page's display style (translateDisplayStyle() of display_code.h),
// in this order: `globalDisplayBegin`, `globalDisplayEnd`, `numberDisplays`.
// Returns the text the caller sets as `displayItem`.
//
// Without a product page only `numberDisplays` is set, to "0", and "}" is
// returned.
//
// The style is the first file that opens of: layoutFile (relative to the
// program folder unless absolute), "Template Common\" + layoutFile and
// "Template Common\Display Default.html". Taking the last shows "The product
// display style you have chosen could not be found--the default will be
// used."; when none opens, "There has been an error processing the product
// display style. ..." is shown and the code is made from an empty text. A
// read error shows "FILE ERROR: " + the reason and the text read so far is
// used. A style without a complete first product block shows "ERROR:  Display
// file not properly formatted!  Products will not display correctly." None of
// these stops the run.
std::string setDisplayFields(GenerationContext& context);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DISPLAY_STYLE_H_
