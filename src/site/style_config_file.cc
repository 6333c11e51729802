#include "site/style_config_file.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>
#include <map>
#include <optional>

#include "document/log_font.h"
#include "platform/strings.h"
#include "site/style_template.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace {

constexpr const char* kDefaultImageKeys[] = {"def_home_img",    "def_contact_img",
                                             "def_info_img",    "def_product_img",
                                             "def_thankyou_img", "def_order_img"};

// Lists the nineteen keys of a link font, `prefix` + "_fontcolors" to
// `prefix` + "_facename", with their fields, to `keys`.
template <class Font, class Keys>
void forEachFontKey(const std::string& prefix, Font& font, Keys& keys) {
  keys.number(prefix + "_fontcolors", font.color);
  keys.number(prefix + "_shadow", font.shadow);
  keys.number(prefix + "_shadowdist", font.shadowDepth);
  keys.number(prefix + "_horizoffset", font.offsetX);
  keys.number(prefix + "_vertoffset", font.offsetY);
  auto& logFont = font.logFont;
  keys.number(prefix + "_height", logFont.lfHeight);
  keys.number(prefix + "_width", logFont.lfWidth);
  keys.number(prefix + "_escapement", logFont.lfEscapement);
  keys.number(prefix + "_orientation", logFont.lfOrientation);
  keys.number(prefix + "_weight", logFont.lfWeight);
  keys.byte(prefix + "_italic", logFont.lfItalic);
  keys.byte(prefix + "_underline", logFont.lfUnderline);
  keys.byte(prefix + "_strikeout", logFont.lfStrikeOut);
  keys.byte(prefix + "_charset", logFont.lfCharSet);
  keys.byte(prefix + "_outprecision", logFont.lfOutPrecision);
  keys.byte(prefix + "_clipprecision", logFont.lfClipPrecision);
  keys.byte(prefix + "_quality", logFont.lfQuality);
  keys.byte(prefix + "_pitchandfamily", logFont.lfPitchAndFamily);
  keys.faceName(prefix + "_facename", logFont);
}

// Lists every key of the configuration file with its field, in the order
// the file is written, to `keys` (a ConfigWriter or a ConfigReader).
template <class Style, class Keys>
void forEachKey(Style& style, Keys& keys) {
  static const CTemplate kDefaults;
  keys.text("back_image", style.backImage);
  for (size_t i = 0; i < std::size(kDefaultImageKeys); ++i) {
    keys.text(kDefaultImageKeys[i], style.defaultImages[i]);
  }
  keys.text("def_buy_img", style.def_buy_img);
  keys.text("on_buy_img", style.on_buy_img);
  keys.text("def_continue_img", style.def_continue_img);
  keys.text("on_continue_img", style.on_continue_img);
  keys.text("def_submit_img", style.def_submit_img);
  keys.text("on_submit_img", style.on_submit_img);
  keys.text("def_view_img", style.def_view_img);
  keys.text("on_view_img", style.on_view_img);
  keys.text("def_delete_img", style.def_delete_img);
  keys.text("def_minus_img", style.def_minus_img);
  keys.text("def_plus_img", style.def_plus_img);
  keys.text("def_link_img", style.linkImage);
  keys.text("def_mouseover_img", style.linkPressedImage);
  keys.color("back_color", style.back_color, kDefaults.back_color);
  keys.color("text_color", style.text_color, kDefaults.text_color);
  keys.color("link_color", style.link_color, kDefaults.link_color);
  keys.color("vlink_color", style.vlink_color, kDefaults.vlink_color);
  keys.text("offset", style.offset);
  keys.text("template_path", style.templatePath);
  keys.text("buy_text", style.buy_text);
  keys.text("continue_text", style.continue_text);
  keys.text("submit_text", style.submit_text);
  keys.text("view_text", style.view_text);
  keys.text("plus_text", style.plus_text);
  keys.text("minus_text", style.minus_text);
  keys.text("delete_text", style.delete_text);
  keys.text("empty_cart_img", style.empty_cart_img);
  keys.text("full_cart_img", style.full_cart_img);
  keys.text("empty_cart_text", style.empty_cart_text);
  keys.text("full_cart_text", style.full_cart_text);
  for (const CTemplate::DrawTextFlag& draw : CTemplate::drawTextFlags()) {
    keys.flag(draw.name, style.*draw.flag);
  }
  keys.number("pagelink_on", style.buttonLinks);
  forEachFontKey("pagelink", style.linkFont, keys);
  // Written for the sake of older readers; it carries no meaning.
  keys.writeOnly("pressedlink_on", style.buttonLinks);
  forEachFontKey("pressedlink", style.pressedLinkFont, keys);
}

class ConfigWriter {
 public:
  void text(const std::string& key, const std::string& value) {
    text_ += key + "=" + value + "\r\n";
  }
  void color(const std::string& key, const std::string& value, const std::string&) {
    text(key, value);
  }
  void flag(const std::string& key, int32_t value) { text(key, value ? "yes" : "no"); }
  void number(const std::string& key, int32_t value) { text(key, std::to_string(value)); }
  void byte(const std::string& key, uint8_t value) { text(key, std::to_string(value)); }
  void faceName(const std::string& key, const LogFont& font) { text(key, font.faceName()); }
  void writeOnly(const std::string& key, int32_t value) { number(key, value); }

  const std::string& result() const { return text_; }

 private:
  std::string text_;
};

// Returns the number that the leading characters of `text` spell: an
// optional sign and decimal digits; 0 without digits. Values beyond the
// range of an int32 stop at its ends.
int32_t leadingNumber(std::string_view text) {
  size_t i = 0;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  int64_t value = 0;
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'), kLimit);
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min<int64_t>(value, kLimit - 1));
}

bool isHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Puts a colour value in the form "#RRGGBB"; `fallback` when it cannot be.
std::string normalizedColor(std::string value, const std::string& fallback) {
  if (value.size() < 7) value.insert(value.begin(), '#');
  if (value.size() < 7) return fallback;
  for (size_t i = 1; i < value.size(); ++i) {
    if (!isHexDigit(value[i])) return fallback;
  }
  for (char& c : value) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return value;
}

class ConfigReader {
 public:
  explicit ConfigReader(std::string_view text) {
    for (const std::string& line : splitLines(text)) {
      const size_t equals = line.find('=');
      if (equals == std::string::npos) continue;
      values_[toLowerAscii(trim(std::string_view(line).substr(0, equals), kBlanks))] =
          std::string(trim(std::string_view(line).substr(equals + 1), kBlanks));
    }
  }

  void text(const std::string& key, std::string& field) {
    if (const std::string* value = find(key)) field = *value;
  }
  void color(const std::string& key, std::string& field, const std::string& fallback) {
    if (const std::string* value = find(key)) field = normalizedColor(*value, fallback);
  }
  void flag(const std::string& key, int32_t& field) {
    if (const std::string* value = find(key)) field = *value == "yes" ? 1 : 0;
  }
  void number(const std::string& key, int32_t& field) {
    if (const std::string* value = find(key)) field = leadingNumber(*value);
  }
  void byte(const std::string& key, uint8_t& field) {
    if (const std::string* value = find(key)) field = static_cast<uint8_t>(leadingNumber(*value));
  }
  void faceName(const std::string& key, LogFont& font) {
    if (const std::string* value = find(key)) font.setFaceName(*value);
  }
  void writeOnly(const std::string&, int32_t) {}

 private:
  const std::string* find(const std::string& key) const {
    auto it = values_.find(key);
    return it == values_.end() ? nullptr : &it->second;
  }

  std::map<std::string, std::string> values_;
};

}  // namespace

std::string writeStyleConfig(const CTemplate& style) {
  ConfigWriter writer;
  forEachKey(style, writer);
  return writer.result();
}

void readStyleConfig(std::string_view text, CTemplate& style) {
  ConfigReader reader(text);
  forEachKey(style, reader);
}

}  // namespace quorvex
