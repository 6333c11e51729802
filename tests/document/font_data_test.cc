#include <gtest/gtest.h>

#include "document/font_data.h"
#include "document/template_font.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

TEST(FontDataSet, HtmlSizeIsTenthsOfPointOverForty) {
  CFontData font;
  font.logFont.lfHeight = -33;
  font.dialogColor = 0x123456;
  const std::pair<int32_t, int32_t> sizes[] = {{80, 2}, {120, 3}, {160, 4}, {220, 5}, {280, 7}};
  for (auto [tenths, html_size] : sizes) {
    font.set("Verdana", 0x00FF0000, tenths, 1, 0, 1, 1);
    EXPECT_EQ(font.htmlSize, html_size) << tenths;
  }
  EXPECT_EQ(font.face, "Verdana");
  EXPECT_EQ(font.color, 0x00FF0000);
  EXPECT_EQ(font.underline, 1);
  EXPECT_EQ(font.bold, 0);
  EXPECT_EQ(font.italic, 1);
  EXPECT_EQ(font.strikeOut, 1);
  // The dialog's own values stay as they were.
  EXPECT_EQ(font.logFont.lfHeight, -33);
  EXPECT_EQ(font.dialogColor, 0x123456);
}

TEST(FontDataStoredForm, VersionOneWithoutStrikeOut) {
  CFontData font;
  font.set("Times", 0x0000FF, 120, 1, 1, 0, 1);
  font.dialogColor = 0x00FF00;
  const std::string expected = ArchiveBytes()
                                   .int32(1)
                                   .int32(1)         // bold
                                   .int32(0x0000FF)  // color
                                   .str("Times")
                                   .int32(0)  // italic
                                   .int32(3)  // htmlSize
                                   .int32(1)  // underline
                                   .int32(0x00FF00)
                                   .logFont(20, 400, "Arial")
                                   .bytes();
  EXPECT_EQ(writeInline(font), expected);

  CFontData back;
  back.strikeOut = 1;
  size_t consumed = 0;
  EXPECT_EQ(readInline(expected, back, &consumed), "");
  EXPECT_EQ(consumed, expected.size());
  CFontData without_strike_out = font;
  without_strike_out.strikeOut = 0;
  EXPECT_EQ(back, without_strike_out);
}

TEST(FontDataStoredForm, UnknownVersionKeepsDefaultsAndStopsAfterIt) {
  CFontData font;
  font.strikeOut = 1;
  size_t consumed = 0;
  EXPECT_EQ(readInline(ArchiveBytes().int32(2).int32(1).int32(1), font, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(font, CFontData());
}

TEST(TemplateFontStoredForm, VersionOne) {
  CTemplateFont font;
  font.shadow = 0;
  font.shadowDepth = 3;
  font.offsetX = -2;
  font.offsetY = 4;
  font.logFont.setFaceName("Verdana");
  font.color = 0x00ABCDEF;
  const std::string expected = ArchiveBytes()
                                   .int32(1)
                                   .int32(0)
                                   .int32(3)
                                   .int32(-2)
                                   .int32(4)
                                   .logFont(15, 400, "Verdana")
                                   .int32(0x00ABCDEF)
                                   .bytes();
  EXPECT_EQ(writeInline(font), expected);
  CTemplateFont back;
  EXPECT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, font);

  // A new record: shadow 1 pixel deep, LOGFONT 15 high without a face name.
  EXPECT_EQ(writeInline(*std::make_unique<CTemplateFont>()),
            ArchiveBytes().int32(1).int32(1).int32(1).int32(0).int32(0).logFont(15, 400, "")
                .int32(0).bytes());

  CTemplateFont unknown;
  size_t consumed = 0;
  EXPECT_EQ(readInline(ArchiveBytes().int32(7).int32(0).int32(9), unknown, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(unknown, CTemplateFont());
}

}  // namespace
}  // namespace quorvex
