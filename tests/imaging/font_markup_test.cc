#include <gtest/gtest.h>

#include "document/font_data.h"
#include "imaging/font_markup.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

CFontData arial3() {
  CFontData font;
  font.set("Arial", 0, 120, 0, 0, 0, 0);
  return font;
}

TEST(FontMarkup, PlainFont) {
  EXPECT_EQ(toHtml(arial3(), "Hello"),
            "<FONT face=\"Arial\" color=\"#000000\" size=\"3\">Hello</FONT>");
}

TEST(FontMarkup, StylesCloseInTheOrderTheyOpened) {
  CFontData font = arial3();
  font.bold = 1;
  font.underline = 1;
  EXPECT_EQ(toHtml(font, "Hello"),
            "<FONT face=\"Arial\" color=\"#000000\" size=\"3\"><B><U>Hello</B></U></FONT>");

  font.set("", 0x0A80FF, 280, 1, 1, 1, 1);
  EXPECT_EQ(toHtml(font, ""),
            "<FONT face=\"\" color=\"#ff800a\" size=\"7\"><B><I><U><DEL></B></I></U></DEL></FONT>");
}

TEST(FontMarkup, TextIsInsertedUnchanged) {
  EXPECT_EQ(toHtml(arial3(), "a<b>&\nc"),
            "<FONT face=\"Arial\" color=\"#000000\" size=\"3\">a<b>&\nc</FONT>");
}

TEST(FontMarkup, FontReadFromADocumentHasNoStrikeOut) {
  CFontData font = arial3();
  font.strikeOut = 1;
  CFontData back;
  ASSERT_EQ(testing::readInline(testing::writeInline(font), back), "");
  EXPECT_EQ(toHtml(back, "x").find("DEL"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
