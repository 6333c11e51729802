// Feeds arbitrary bytes as a display style file through the display code and
// the check. A few bytes of the file also choose the product page's display
// and link flags. The code must come out in time linear in the input, with a
// closing brace for every display, and the check must not crash.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "generator/display_code.h"
#include "generator/display_style_check.h"
#include "platform/text_file.h"
#include "site/product_page.h"

namespace {

using quorvex::CProductPage;

// How much longer than the file the code may be: the longest keyword text
// is a few hundred bytes for a keyword of five.
constexpr size_t kMaxGrowth = 100;
constexpr size_t kFixedText = 4096;

CProductPage pageFor(std::string_view input) {
  const uint8_t show = input.empty() ? 0 : static_cast<uint8_t>(input.front());
  const uint8_t link = input.empty() ? 0 : static_cast<uint8_t>(input[input.size() / 2]);
  int32_t CProductPage::*const shows[] = {
      &CProductPage::showWeight, &CProductPage::showPartNumber,
      &CProductPage::showPrice,  &CProductPage::showFeatures,
      &CProductPage::showImage,  &CProductPage::showDescription,
      &CProductPage::showBuyMe,  &CProductPage::showAddedDescription};
  int32_t CProductPage::*const links[] = {
      &CProductPage::linkOnWeight,          &CProductPage::linkOnText,
      &CProductPage::linkOnPartNumber,      &CProductPage::linkOnImage,
      &CProductPage::linkOnPrice,           &CProductPage::linkOnDescription,
      &CProductPage::linkOnAddedDescription};
  CProductPage page;
  for (int bit = 0; bit < 8; ++bit) page.*shows[bit] = (show >> bit) & 1;
  for (int bit = 0; bit < 7; ++bit) page.*links[bit] = (link >> bit) & 1;
  // Link texts holding keywords, which later replacements see.
  page.linkText = "Price Image";
  page.previousLinkText = "Back NextProducts";
  return page;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string text = quorvex::joinLines(input, "");
  const quorvex::DisplayCode code = quorvex::translateDisplayStyle(text, pageFor(input));
  if (code.numberDisplays < 1 || code.displayItem.empty() || code.displayItem.back() != '}') {
    std::abort();
  }
  const size_t limit = kMaxGrowth * size + kFixedText;
  if (code.displayItem.size() > limit || code.globalDisplayBegin.size() > limit ||
      code.globalDisplayEnd.size() > limit) {
    std::abort();
  }
  quorvex::checkDisplayStyleText(text);
  return 0;
}
