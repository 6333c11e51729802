#include "generator/display_code.h"

#include <optional>
#include <string_view>
#include <unordered_map>

#include "generator/text_helpers.h"
#include "platform/strings.h"
#include "site/product_page.h"

namespace quorvex {

namespace {

constexpr std::string_view kHeadBegin = "<!--HEAD_BEGIN-->";
constexpr std::string_view kHeadEnd = "<!--HEAD_END-->";
constexpr std::string_view kFootBegin = "<!--FOOT_BEGIN-->";
constexpr std::string_view kFootEnd = "<!--FOOT_END-->";
constexpr std::string_view kFirstBlockName = "PRODUCT";
constexpr std::string_view kMarkerStart = "<!--";
constexpr std::string_view kBeginSuffix = "_BEGIN-->";
constexpr std::string_view kEndSuffix = "_END-->";

constexpr std::string_view kPortableCart =
    "');\n if (shop.usePortaCart) { \n document.write('</FORM><FORM NAME=\"MiniCart\"><INPUT "
    "TYPE=\"text\" SIZE=2 NAME=\"NumItems\" VALUE=\"0\" onChange=\"shop.portaCart()\">Items <A "
    "HREF=\"javascript:shop.view()\"><IMG SRC=\"$[cartempty_img]\" ALT=\"Shopping Cart\" "
    "NAME=\"CartImage\" border=0></A> ' + shop.currency + '<INPUT TYPE=\"text\" SIZE=6 "
    "NAME=\"Total\" VALUE=\"0\" onChange=\"shop.portaCart()\"></FORM><form "
    "name=\"showProducts\" "
    "onsubmit=\"shop.search(this.searchBox.value);shop.searched=1;\">');\nshop.portaCart();\n } "
    "\n document.write('";

constexpr std::string_view kBuyThis =
    "<A HREF=\"javascript:shop.buy(\\'' + whichItem.prodNum + '\\')\" "
    "onMouseOver=\"shop.flip(\\'BuyBtn' + whichIndex  + '\\', \\'BuyThis1\\')\" "
    "onMouseOut=\"shop.flip(\\'BuyBtn' + whichIndex + '\\', \\'BuyThis0\\')\" ><IMG SRC=\"' + "
    "buyImg + '\" ALT=\"Buy This\" BORDER=\"0\" NAME=\"BuyBtn' + whichIndex + '\"></A>";

constexpr std::string_view kFeatures =
    "'); \n\n if (featureArray[0]) {\n if (parseInt(whichItem.numFeatures) > 0) \n for (j=1; "
    "j<=parseInt(whichItem.numFeatures); j++) \n if (whichItem.features[j] != 'false') \n "
    "writeDisplayBox(whichItem, whichIndex, j);\n }\n mainWindow.document.write('";

// An item keyword of a product block, the flags that show it and make it a
// link, and the script expression of its value.
struct ItemKeyword {
  std::string_view keyword;
  int32_t CProductPage::*show;
  int32_t CProductPage::*link;
  std::string_view expression;
};

constexpr ItemKeyword kItemKeywords[] = {
    {"partNumber", &CProductPage::showPartNumber, &CProductPage::linkOnPartNumber,
     "' + whichItem.prodNum + '"},
    {"Price", &CProductPage::showPrice, &CProductPage::linkOnPrice,
     "' + currency + whichItem.pri + '"},
    {"Image", &CProductPage::showImage, &CProductPage::linkOnImage,
     "<IMG SRC=\"' + whichItem.image + '\" ALT=\"Product Image\" BORDER=\"0\">"},
    {"Description", &CProductPage::showDescription, &CProductPage::linkOnDescription,
     "' + whichItem.desc + '"},
    {"Salespitch", &CProductPage::showAddedDescription, &CProductPage::linkOnAddedDescription,
     "' + whichItem.salesblurb + '"},
    {"Weight", &CProductPage::showWeight, &CProductPage::linkOnWeight, "' + whichItem.weight + '"},
};

// A block of text: from the first character of its begin marker through the
// last of its end marker.
struct Span {
  size_t start = 0;
  size_t end = 0;
};

// Returns the block that runs from the first `begin` in `text` to the first
// `end` found from one character past it; nullopt when either is missing.
std::optional<Span> findBlock(std::string_view text, std::string_view begin, std::string_view end) {
  const size_t start = text.find(begin);
  if (start == std::string_view::npos) return std::nullopt;
  const size_t last = text.find(end, start + 1);
  if (last == std::string_view::npos) return std::nullopt;
  return Span{start, last + end.size()};
}

// Removes the block between `begin` and `end` from `text` and appends it to
// `frame`; leaves both alone when the block is incomplete.
void moveBlock(std::string& text, std::string_view begin, std::string_view end,
               std::string& frame) {
  if (std::optional<Span> block = findBlock(text, begin, end)) {
    frame.append(text, block->start, block->end - block->start);
    text.erase(block->start, block->end - block->start);
  }
}

// Drops everything through the opening body tag and from the closing one on.
void stripPageFrame(std::string& text) {
  std::string lower = toLowerAscii(text);
  const size_t body = lower.find("<body");
  const size_t close = lower.find('>', body == std::string::npos ? 0 : body + 1);
  if (close != std::string::npos) {
    text.erase(0, close + 1);
    lower.erase(0, close + 1);
  }
  const size_t bodyEnd = lower.find("</bod");
  if (bodyEnd != std::string::npos) text.erase(bodyEnd);
}

// The block of `frame` between `begin` and `end` as document.write
// statements; "" when the frame has no such block.
std::string frameStatements(const std::string& frame, std::string_view begin,
                            std::string_view end) {
  std::optional<Span> block = findBlock(frame, begin, end);
  if (!block) return "";
  std::string code = frame.substr(block->start, block->end - block->start);
  replaceAll(code, begin, "document.write('");
  replaceAll(code, end, "');");
  return code;
}

// A link to the item's individual product page showing `linked` when the
// item has such a page, `plain` otherwise.
std::string individualPageLink(std::string_view linked, std::string_view plain) {
  return std::string(
             "'); \n\n if (whichItem.page != '') \n mainWindow.document.write('<A "
             "HREF=\"javascript:shop.showIndividualPage(' + whichIndex + ')\">") +
         std::string(linked) + "</A>');\n else mainWindow.document.write('" + std::string(plain) +
         "'); \n\n mainWindow.document.write('";
}

// The text that stands for an item keyword: nothing when it is not shown,
// its expression, or the expression linked to the item's own page.
std::string itemText(bool show, bool link, std::string_view expression) {
  if (!show) return "";
  if (!link) return std::string(expression);
  return individualPageLink(expression, expression);
}

void replaceFrameKeywords(std::string& frame, const CProductPage& page) {
  replaceAll(frame, "Offset", "' + offset + '");
  replaceAll(frame, "ItemsSoFar", "' + itemsSoFar + '");
  replaceAll(frame, "PortableCart", kPortableCart);
  replaceAll(frame, "PreviousProducts",
             "'); \n\n if (howManySoFar > shop.itemsPerPageNum) {\ndocument.writeln('<A "
             "HREF=\"javascript:shop.show(\\'' + showCategory + '\\',' + backStop + ',' + "
             "backHowMany + ')\">" +
                 page.previousLinkText + "</A>');}\ndocument.writeln('");
  replaceAll(frame, "NextProducts",
             "'); \n\n if (rangeEnd >= stoppingPoint) \ndocument.write('<A "
             "HREF=\"javascript:shop.show(\\'' + showCategory + '\\',' + stoppingPoint + ',' + "
             "howManySoFar + ')\">" +
                 page.nextLinkText + "</A>'); \ndocument.writeln('");
}

// Turns product block `block` of display number `display` (0 for the first,
// whose markers are named `name`) into its statements followed by "}".
std::string productStatements(std::string block, int32_t display, std::string_view name,
                              const CProductPage& page) {
  const std::string marker = std::string(kMarkerStart) + std::string(name);
  const std::string opening =
      display == 0 ? "" : "else if (displayNumber == " + std::to_string(display) + ") {";
  replaceAll(block, marker + std::string(kBeginSuffix), opening + "\n mainWindow.document.write('");
  replaceAll(block, marker + std::string(kEndSuffix), "');\n");
  replaceAll(block, "Offset", "' + mainWindow.offset + '");
  replaceAll(block, "BuyButton", page.showBuyMe ? kBuyThis : "");
  replaceAll(block, "Features", page.showFeatures ? kFeatures : "");
  replaceAll(block, "MoreInfoLink", page.linkOnText ? individualPageLink(page.linkText, " ") : "");
  for (const ItemKeyword& item : kItemKeywords) {
    replaceAll(block, item.keyword, itemText(page.*item.show, page.*item.link, item.expression));
  }
  block += '}';
  return block;
}

// The first positions of the markers of the further product blocks
// ("<!--PRODUCT<n>_BEGIN-->" and "<!--PRODUCT<n>_END-->", n from 2), found in
// one pass over the text.
class NumberedBlocks {
 public:
  explicit NumberedBlocks(std::string_view text) : text_(text) {
    const std::string prefix = std::string(kMarkerStart) + std::string(kFirstBlockName);
    for (size_t at = text.find(prefix); at != std::string_view::npos;
         at = text.find(prefix, at + prefix.size())) {
      record(at, at + prefix.size());
    }
  }

  // Returns the block of the markers numbered `number`: empty when its end
  // marker stands before its begin marker, nullopt when one is missing.
  std::optional<std::string_view> block(int32_t number) const {
    auto found = markers_.find(number);
    if (found == markers_.end() || !found->second.begin || !found->second.end) {
      return std::nullopt;
    }
    const size_t start = *found->second.begin;
    const size_t end = *found->second.end;
    if (end < start) return std::string_view();
    return text_.substr(start, end - start);
  }

 private:
  // Decimal numbers longer than this cannot be reached: a block needs two
  // markers of at least 20 characters each.
  static constexpr size_t kMaxDigits = 9;

  struct Markers {
    std::optional<size_t> begin;
    // One past the end of the end marker.
    std::optional<size_t> end;
  };

  // Notes the marker starting at `at` whose number starts at `digits`, if it
  // is one.
  void record(size_t at, size_t digits) {
    size_t after = digits;
    while (after < text_.size() && after - digits <= kMaxDigits && text_[after] >= '0' &&
           text_[after] <= '9') {
      ++after;
    }
    const size_t length = after - digits;
    if (length == 0 || length > kMaxDigits || text_[digits] == '0') return;
    const int32_t number = std::stoi(std::string(text_.substr(digits, length)));
    if (number < 2) return;
    Markers& markers = markers_[number];
    const std::string_view rest = text_.substr(after);
    if (rest.starts_with(kBeginSuffix) && !markers.begin) markers.begin = at;
    if (rest.starts_with(kEndSuffix) && !markers.end) markers.end = after + kEndSuffix.size();
  }

  std::string_view text_;
  std::unordered_map<int32_t, Markers> markers_;
};

}  // namespace

DisplayCode translateDisplayStyle(std::string text, const CProductPage& page) {
  DisplayCode code;
  stripPageFrame(text);
  std::string frame;
  moveBlock(text, kHeadBegin, kHeadEnd, frame);
  moveBlock(text, kFootBegin, kFootEnd, frame);
  replaceFrameKeywords(frame, page);
  code.globalDisplayBegin = frameStatements(frame, kHeadBegin, kHeadEnd);
  code.globalDisplayEnd = frameStatements(frame, kFootBegin, kFootEnd);

  const std::string firstBegin =
      std::string(kMarkerStart) + std::string(kFirstBlockName) + std::string(kBeginSuffix);
  const std::string firstEnd =
      std::string(kMarkerStart) + std::string(kFirstBlockName) + std::string(kEndSuffix);
  std::string_view block;
  if (std::optional<Span> first = findBlock(text, firstBegin, firstEnd)) {
    block = std::string_view(text).substr(first->start, first->end - first->start);
    code.hasFirstProductBlock = true;
  }
  code.displayItem = productStatements(std::string(block), 0, kFirstBlockName, page);
  // What the blocks may take together: blocks of a sound file do not overlap.
  size_t allowance = text.size() - block.size();
  const NumberedBlocks further(text);
  int32_t number = 2;
  for (std::optional<std::string_view> next = further.block(number);
       next && next->size() <= allowance; next = further.block(++number)) {
    allowance -= next->size();
    const std::string name = std::string(kFirstBlockName) + std::to_string(number);
    code.displayItem += productStatements(std::string(*next), number - 1, name, page);
  }
  code.numberDisplays = number - 1;
  return code;
}

}  // namespace quorvex
