#include "generator/text_helpers.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(ScriptEscape, EscapesQuotesBracketsAndBackslashesAndFlattensLines) {
  EXPECT_EQ(scriptEscape(""), " ");
  EXPECT_EQ(scriptEscape("It's (new)"), "It\\'s \\(new\\)");
  EXPECT_EQ(scriptEscape("a\"b[c]{d}\\e"), "a\\\"b\\[c\\]\\{d\\}\\\\e");
  EXPECT_EQ(scriptEscape("one\r\ntwo\nthree"), "one  two three");
  EXPECT_EQ(scriptEscape("plain $ text"), "plain $ text");
}

TEST(ConvertLineBreaks, EveryLineFeedGetsABreakBeforeIt) {
  EXPECT_EQ(convertLineBreaks("a\nb\n"), "a<BR>\nb<BR>\n");
  EXPECT_EQ(convertLineBreaks("no breaks"), "no breaks");
  EXPECT_EQ(convertLineBreaks("\r\n"), "\r<BR>\n");
}

TEST(FileNames, LastComponentCleaningAndWebImageNames) {
  EXPECT_EQ(lastPathComponent("C:\\pics\\a b.gif"), "a b.gif");
  EXPECT_EQ(lastPathComponent("pics/x/y.png"), "y.png");
  EXPECT_EQ(lastPathComponent("plain"), "plain");
  EXPECT_EQ(lastPathComponent(""), "");
  EXPECT_EQ(lastPathComponent("dir\\"), "");

  // Only the last component is cleaned.
  EXPECT_EQ(cleanFileName("my dir\\a b#c%d'e.gif"), "my dir\\a_b_c_d_e.gif");

  EXPECT_EQ(webImageName("my logo.PNG"), "my_logo.jpg");
  EXPECT_EQ(webImageName("a b.GIF"), "a_b.GIF");
  EXPECT_EQ(webImageName("photo.JPEG"), "photo.JPEG");
  EXPECT_EQ(webImageName("noextension"), "noextension.jpg");
  EXPECT_EQ(webImageName("dir.v2\\noextension"), "dir.v2\\noextension.jpg");
  EXPECT_EQ(webImageName("Images/back.bmp"), "Images/back.jpg");
}

TEST(PictureNames, ExtensionsAndReducedCopies) {
  EXPECT_EQ(lowerExtension("dir.v2\\Photo.JPG"), "jpg");
  EXPECT_EQ(lowerExtension("dir.v2\\noextension"), "");
  EXPECT_EQ(reducedImageName("pics\\My Photo.PNG", "home"), "My_Photo-home.jpg");
  EXPECT_EQ(reducedImageName("a.b.Gif", "item"), "a.b-item.gif");
  EXPECT_EQ(reducedImageName("noextension", "logo"), "noextension-logo.jpg");
  EXPECT_EQ(reducedImageName("pics/.gif", "image1"), "-image1.jpg");
}

TEST(CheckedName, KeepsLettersAndDigitsAndPrefixesTheByteSum) {
  EXPECT_EQ(checkedName("American Express!", false), "AmericanExpress");
  // "ab": 97 + 98 = 195; 195 mod 26 = 13 (N), 195 mod 25 = 20 (B + 20 = V).
  EXPECT_EQ(checkedName("ab", true), "NVab");
  // Bytes above 127 count as negative: 0xE9 is -23; "\xE9" gives S = 2^32 - 23,
  // 4294967273 mod 26 = 25 (Z) and mod 25 = 23 (B + 23 = Y).
  EXPECT_EQ(checkedName("\xE9", true), "ZY");
  EXPECT_EQ(checkedName("", true), "AB");
}

TEST(LeadingInteger, ReadsSignAndDigitsAfterBlanks) {
  EXPECT_EQ(leadingInteger("0%"), 0);
  EXPECT_EQ(leadingInteger("  -12px"), -12);
  EXPECT_EQ(leadingInteger("+7"), 7);
  EXPECT_EQ(leadingInteger("abc"), 0);
  EXPECT_EQ(leadingInteger(""), 0);
  EXPECT_EQ(leadingInteger("99999999999999"), 2147483647);
}

}  // namespace
}  // namespace quorvex
