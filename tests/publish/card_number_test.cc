#include "publish/card_number.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(CardNumberTest, FindsLuhnValidRunsOfThirteenToNineteenDigits) {
  const std::pair<const char*, bool> cases[] = {
      {"4111111111111111", true},
      {"Please charge 4111 1111 1111 1111 today", true},
      {"card: 5500-0055-5555-5559.", true},
      {"Amex 371449635398431", true},
      {"4111111111111112", false},             // fails the check digit
      {"411111111117", false},                 // twelve digits
      {"41111111111111111115", false},         // twenty digits
      {"4111  1111 1111 1111", false},         // two blanks part the runs
      {"Ring 555 0100 twice, gate 4411", false},
      {"", false},
  };
  for (const auto& [text, holds] : cases) EXPECT_EQ(holdsCardNumber(text), holds) << text;
}

}  // namespace
}  // namespace quorvex
