#include <gtest/gtest.h>

#include "products/product_feature.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

TEST(ProductFeature, Version1WrittenAndReadBack) {
  CProductFeature colour("Colour", {"Red", "Green", "Blue"});
  const std::string expected =
      ArchiveBytes().int32(1).str("Colour").count(3).str("Red").str("Green").str("Blue").bytes();
  EXPECT_EQ(writeInline(colour), expected);

  CProductFeature back;
  size_t consumed = 0;
  EXPECT_EQ(readInline(expected, back, &consumed), "");
  EXPECT_EQ(consumed, expected.size());
  EXPECT_EQ(back.name, "Colour");
  EXPECT_EQ(back.options, colour.options);
}

TEST(ProductFeature, UnknownVersionEndsTheRecordAfterIt) {
  const std::string bytes = ArchiveBytes().int32(2).str("Colour").count(0).bytes();
  CProductFeature back;
  size_t consumed = 0;
  EXPECT_EQ(readInline(bytes, back, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(back.name, "");
  EXPECT_TRUE(back.options.empty());
}

}  // namespace
}  // namespace quorvex
