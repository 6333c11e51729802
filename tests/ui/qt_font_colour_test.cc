#include "ui/qt_font_colour.h"

#include <gtest/gtest.h>

namespace quorvex::ui {
namespace {

TEST(QtFontColourTest, ColoursAndFontsKeepTheirStoredValues) {
  EXPECT_EQ(toQColor(0x00336699), QColor(0x99, 0x66, 0x33)) << "red in the low byte";
  EXPECT_EQ(fromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699);

  LogFont stored;
  stored.setFaceName("Arial");
  stored.lfHeight = -16;
  stored.lfWeight = 700;
  stored.lfItalic = 1;
  stored.lfCharSet = 2;
  const QFont font = toQFont(stored);
  EXPECT_EQ(font.family(), "Arial");
  EXPECT_EQ(font.pixelSize(), 16);
  EXPECT_TRUE(font.bold());
  EXPECT_TRUE(font.italic());
  LogFont back;
  back.lfCharSet = 2;
  storeQFont(font, back);
  EXPECT_EQ(back, stored);

  // A font chosen in points, as the font dialog gives it, in an HTML font.
  QFont chosen("Times New Roman");
  chosen.setPointSize(12);
  chosen.setUnderline(true);
  CFontData html;
  html.color = 0x0000FF;
  storeQFont(chosen, html);
  EXPECT_EQ(html.face, "Times New Roman");
  EXPECT_EQ(html.logFont.lfHeight, -16) << "12 pt at 96 dpi";
  EXPECT_EQ(html.htmlSize, 3);
  EXPECT_EQ(html.underline, 1);
  EXPECT_EQ(html.bold, 0);
  EXPECT_EQ(html.color, 0x0000FF) << "the colour is chosen apart";
}

}  // namespace
}  // namespace quorvex::ui
