#include "app/sales_log_tables.h"

#include <gtest/gtest.h>

namespace quorvex::testing {
namespace {

TEST(SalesLogTablesTest, NumbersSortByValueBeforeTexts) {
  struct Case {
    const char* a;
    const char* b;
    bool less;
  };
  const Case cases[] = {
      {"9.50", "10", true},    {"10", "9.50", false},  {" 7 ", "12.5", true},
      {"-3", "0", true},       {"100", "Anvil", true}, {"Anvil", "100", false},
      {"Anvil", "Bell", true}, {"12a", "9", false},    {"nan", "1", false},
      {"", "1", false},        {"", "a", true},        {"5", "5.0", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(salesLogCellLess(c.a, c.b), c.less) << c.a << " < " << c.b;
  }
}

}  // namespace
}  // namespace quorvex::testing
