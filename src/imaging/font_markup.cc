#include "imaging/font_markup.h"

#include <array>
#include <cstdint>

namespace quorvex {
namespace {

struct StyleTag {
  int32_t CFontData::*flag;
  const char* open;
  const char* close;
};

constexpr std::array<StyleTag, 4> kStyleTags{{
    {&CFontData::bold, "<B>", "</B>"},
    {&CFontData::italic, "<I>", "</I>"},
    {&CFontData::underline, "<U>", "</U>"},
    {&CFontData::strikeOut, "<DEL>", "</DEL>"},
}};

}  // namespace

std::string toHtml(const CFontData& font, std::string_view text) {
  std::string html = "<FONT face=\"" + font.face + "\" color=\"" + colorToHex(font.color) +
                     "\" size=\"" + std::to_string(font.htmlSize) + "\">";
  for (const StyleTag& tag : kStyleTags) {
    if (font.*tag.flag) html += tag.open;
  }
  html += text;
  for (const StyleTag& tag : kStyleTags) {
    if (font.*tag.flag) html += tag.close;
  }
  return html + "</FONT>";
}

}  // namespace quorvex
