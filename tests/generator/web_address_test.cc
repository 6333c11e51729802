#include "generator/web_address.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(WebAddress, GetsHttpOnlyWhenItNamesNoScheme) {
  EXPECT_EQ(absoluteWebAddress("www.acme.example"), "http://www.acme.example");
  EXPECT_EQ(absoluteWebAddress(""), "http://");
  // An address kept with another scheme is not given a second one.
  EXPECT_EQ(absoluteWebAddress("https://shop.example/"), "https://shop.example/");
  EXPECT_EQ(absoluteWebAddress("http://old.example"), "http://old.example");
}

}  // namespace
}  // namespace quorvex
