#include "products/field_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "products/line_cursor.h"

namespace quorvex {
namespace {

std::vector<std::string> split(std::string_view line, char delimiter = ',', char quote = '"') {
  std::vector<std::string> fields = {"stale", "values"};
  splitFields(line, delimiter, quote, &fields);
  return fields;
}

using Fields = std::vector<std::string>;

TEST(FieldSplitter, QuotesBlanksAndEmptyFields) {
  EXPECT_EQ(split("\"A\",\"Mug, large\",12.50,Cups"), (Fields{"A", "Mug, large", "12.50", "Cups"}));
  EXPECT_EQ(split("  a ,  b"), (Fields{"a", "b"}));
  EXPECT_EQ(split("a,,\"\",c"), (Fields{"a", " ", " ", "c"}));
  // A quoted field with blanks before its delimiter keeps its quotes.
  EXPECT_EQ(split("\"a\" ,b"), (Fields{"\"a\"", "b"}));
  // Doubled quotes stand for one, also next to a delimiter inside the field.
  EXPECT_EQ(split("\"say \"\"hi\"\"\",x"), (Fields{"say \"hi\"", "x"}));
  EXPECT_EQ(split("\"a\"\",b\",c"), (Fields{"a\",b", "c"}));
  // Blanks after a delimiter change nothing, the last field included.
  EXPECT_EQ(split("\"a\", \"b\", \"c\""), split("\"a\",\"b\",\"c\""));
  EXPECT_EQ(split("\"a\", \"b\", \"c\""), (Fields{"a", "b", "c"}));
}

TEST(FieldSplitter, LineEnds) {
  EXPECT_EQ(split("a,b,"), (Fields{"a", "b", " "}));
  EXPECT_EQ(split("a,b,  "), (Fields{"a", "b"}));
  EXPECT_EQ(split("   "), Fields{});
  EXPECT_EQ(split(""), Fields{});
  EXPECT_EQ(split("a,\"\""), Fields{"a"});
}

TEST(FieldSplitter, OtherDelimitersAndQualifiers) {
  // Tabs delimit and are never trimmed away as blanks.
  EXPECT_EQ(split("A1\t\tBolt\t", '\t'), (Fields{"A1", " ", "Bolt", " "}));
  EXPECT_EQ(split("'x;y';'it\"'s'", ';', '\''), (Fields{"x;y", "it's"}));
  EXPECT_EQ(split("a|b", '|'), (Fields{"a", "b"}));
}

TEST(FieldSplitter, DamagedLinesGiveFieldsWithoutFailing) {
  // An unclosed quote runs to the end of the line.
  EXPECT_EQ(split("a,\"b,c"), (Fields{"a", "\"b,c"}));
  EXPECT_EQ(split("a,b\"c,d\",e"), (Fields{"a", "b\"c,d\"", "e"}));
  EXPECT_EQ(split(std::string("a\0b,c", 5)), (Fields{std::string("a\0b", 3), "c"}));
  EXPECT_EQ(split("\xE9t\xE9,\xFF"), (Fields{"\xE9t\xE9", "\xFF"}));

  std::string wide(5000, ',');
  EXPECT_EQ(split(wide).size(), 5001u);
  std::string long_line(1 << 20, 'x');
  long_line += ",y";
  Fields fields = split(long_line);
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].size(), size_t{1} << 20);
}

TEST(LineCursor, WindowsAndUnixLineEnds) {
  LineCursor lines("a\r\nb\n\r\nc\rd\ne");
  std::vector<std::string> seen;
  std::string_view line;
  while (lines.next(&line)) seen.emplace_back(line);
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "b", "", "c\rd", "e"}));

  LineCursor ended("x\n");
  ASSERT_TRUE(ended.next(&line));
  EXPECT_FALSE(ended.next(&line));
}

}  // namespace
}  // namespace quorvex
