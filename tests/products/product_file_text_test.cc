#include "products/product_file_text.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

using namespace std::string_literals;

TEST(ProductFileText, EncodingsLineEndsAndNulBytesBecomeTheProgramsText) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string text;
    int unshownLine;
  } cases[] = {
      {"Windows-1252 stays", "Cr\xE8me\r\nBr\xFBl\xE9\x65\r\n", "Cr\xE8me\r\nBr\xFBl\xE9\x65\r\n",
       0},
      {"UTF-8", "Cr\xC3\xA8me br\xC3\xBBl\xC3\xA9\x65, 5 \xE2\x82\xAC\n",
       "Cr\xE8me br\xFBl\xE9\x65, 5 \x80\n", 0},
      {"UTF-8 with its mark", "\xEF\xBB\xBFS\xC3\xA9\x61nce\n", "S\xE9\x61nce\n", 0},
      {"UTF-8 beyond Windows-1252", "a\nb\n\xE4\xB8\xAD\xE6\x96\x87\n", "a\nb\n??\n", 3},
      {"UTF-16 little endian",
       "\xFF\xFE"
       "C\0\xE8\0\r\0\n\0\xAC\x20"s,
       "C\xE8\r\n\x80", 0},
      {"UTF-16 big endian without mark", "\0C\0\xE8\0\n\xD8\x3D\xDE\x00"s, "C\xE8\n?", 2},
      {"NUL bytes", "ab\0c\n"s, "abc\n", 0},
      {"CR line ends", "one\rtwo\r", "one\ntwo\n", 0},
      {"a lone CR in LF lines stays", "one\rstill one\ntwo\n", "one\rstill one\ntwo\n", 0},
  };
  for (Case& c : cases) {
    std::string bytes = c.bytes;
    ProductFileText text(&bytes);
    EXPECT_EQ(bytes, c.text) << c.what;
    EXPECT_EQ(text.firstUnshownLine(), c.unshownLine) << c.what;
  }
  std::string chinese = "\xE4\xB8\xAD";
  EXPECT_EQ(ProductFileText(&chinese).warning("/in/stock.csv"),
            "WARNING: Line 1 of \"/in/stock.csv\" holds characters that cannot be shown; they "
            "were replaced by \"?\".");
}

}  // namespace
}  // namespace quorvex
