#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(TextEncoding, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all.push_back(static_cast<char>(byte));
  std::optional<std::string> back = utf8ToCp1252(cp1252ToUtf8(all));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, all);
}

TEST(TextEncoding, KnownCharactersAndUndefinedBytes) {
  EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
  EXPECT_EQ(cp1252ToUtf8("caf\xE9"), "caf\u00E9");
  EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
  EXPECT_EQ(utf8ToCp1252("\u2122"), std::optional<std::string>("\x99"));
}

TEST(TextEncoding, RefusesWhatWindows1252CannotHold) {
  EXPECT_FALSE(utf8ToCp1252("\u4E2D"));         // a CJK character
  EXPECT_FALSE(utf8ToCp1252("\xC3"));           // truncated sequence
  EXPECT_FALSE(utf8ToCp1252("a\xE2\x82"));      // truncated at the end
  EXPECT_FALSE(utf8ToCp1252("\xFF"));           // not UTF-8
  EXPECT_FALSE(utf8ToCp1252("\xC3\x28"));       // bad continuation byte
}

}  // namespace
}  // namespace quorvex
