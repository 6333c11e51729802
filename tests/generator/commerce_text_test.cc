#include "generator/commerce_text.h"
#include "generator/text_helpers.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(CommerceTextTest, ChargeDigitsKeepsDigitsAndPoints) {
  EXPECT_EQ(chargeDigits("$1,234.50 USD"), "1234.50");
  EXPECT_EQ(chargeDigits("-0.0725"), "0.0725");
  EXPECT_EQ(chargeDigits("And Up"), "");
  EXPECT_EQ(chargeDigits(""), "");
}

TEST(CommerceTextTest, ChargeValueReadsTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(chargeValue("12.5"), 12.5);
  EXPECT_DOUBLE_EQ(chargeValue(".75"), 0.75);
  EXPECT_DOUBLE_EQ(chargeValue("1.2.3"), 1.2);
  EXPECT_DOUBLE_EQ(chargeValue(""), 0);
  EXPECT_DOUBLE_EQ(chargeValue("."), 0);
  EXPECT_DOUBLE_EQ(chargeValue(std::string(400, '9')), 0);
}

TEST(CommerceTextTest, MoneyHasTwoDecimalsAndNoLeadingZero) {
  EXPECT_EQ(money(0.5), ".50");
  EXPECT_EQ(money(12.5), "12.50");
  EXPECT_EQ(money(0), ".00");
  EXPECT_EQ(money(1234567.891), "1234567.89");
  EXPECT_EQ(money(10), "10.00");
  EXPECT_EQ(money(-3.25), "3.25");
  EXPECT_EQ(money(1e308 * 10), ".00");
}

TEST(CommerceTextTest, TaxEscapeLeavesBackslashesAndLineBreaks) {
  EXPECT_EQ(taxEscape(""), " ");
  EXPECT_EQ(taxEscape("o'hare (north) [x] {y} \"z\""),
            "o\\'hare \\(north\\) \\[x\\] \\{y\\} \\\"z\\\"");
  EXPECT_EQ(taxEscape("a\\b\r\nc"), "a\\b\r\nc");
}

}  // namespace
}  // namespace quorvex
