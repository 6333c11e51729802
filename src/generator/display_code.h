#ifndef QUORVEX_GENERATOR_DISPLAY_CODE_H_
#define QUORVEX_GENERATOR_DISPLAY_CODE_H_

#include <cstdint>
#include <string>

namespace quorvex {

class CProductPage;

// The JavaScript source a display style turns into: the statements the shop
// page's script runs before and after a page of items, and the code that
// writes one item.
struct DisplayCode {
  // document.write statements of the head and foot blocks; "" without one.
  std::string globalDisplayBegin;
  std::string globalDisplayEnd;
  // The number of product blocks turned into code (at least 1).
  int32_t numberDisplays = 0;
  // The code of the product blocks: the first block's statements and "}",
  // then for display k = 1, 2, ... "else if (displayNumber == k) {", its
  // statements and "}". The shop template opens the first brace itself.
  std::string displayItem;
  // False when the text has no complete first product block
  // (<!--PRODUCT_BEGIN--> ... <!--PRODUCT_END-->); its code is then "}".
  bool hasFirstProductBlock = false;
};

// Turns the text of a display style file (its lines joined without line
// ends) into code, with the display and link settings of `page`.
//
// Everything through the first ">" after "<body" (any case) and from the
// first "</bod" on is dropped; the text is kept to its end when it has no
// "</bod". The head block (<!--HEAD_BEGIN--> ... <!--HEAD_END-->) and the foot
// block (<!--FOOT_BEGIN--> ... <!--FOOT_END-->) have their keywords Offset,
// ItemsSoFar, PortableCart, PreviousProducts and NextProducts replaced. The
// product blocks (<!--PRODUCT_BEGIN-->, then <!--PRODUCT2_BEGIN--> ... up to
// the first number whose markers are missing) have Offset, BuyButton,
// Features, MoreInfoLink, partNumber, Price, Image, Description, Salespitch
// and Weight replaced, in this order; each keyword is replaced wherever it
// occurs (also inside words) and a later keyword sees what an earlier one
// inserted. Markers and keywords are case-sensitive. The link texts of
// `page` are inserted as they are.
//
// Product blocks overlapping so far that together they exceed the text are
// not taken further, which keeps the code linear in the size of the text.
DisplayCode translateDisplayStyle(std::string text, const CProductPage& page);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DISPLAY_CODE_H_
