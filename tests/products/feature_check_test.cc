#include <gtest/gtest.h>

#include "products/feature_check.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

TEST(FeatureCheck, NewChoiceIsUnchecked) {
  CFeatureCheck blank;
  EXPECT_EQ(blank.label, "");
  EXPECT_EQ(blank.checked, 0);
  EXPECT_TRUE(blank.selectedOptions.empty());
}

TEST(FeatureCheck, Version2WrittenAndReadBack) {
  CFeatureCheck size("Size", 1, {"S", "M"});
  const std::string expected =
      ArchiveBytes().int32(2).str("Size").int32(1).count(2).str("S").str("M").bytes();
  EXPECT_EQ(writeInline(size), expected);

  CFeatureCheck back;
  size_t consumed = 0;
  EXPECT_EQ(readInline(expected, back, &consumed), "");
  EXPECT_EQ(consumed, expected.size());
  EXPECT_EQ(back.label, "Size");
  EXPECT_EQ(back.checked, 1);
  EXPECT_EQ(back.selectedOptions, (std::vector<std::string>{"S", "M"}));
}

TEST(FeatureCheck, UncheckedChoiceLosesItsOptionsOnReading) {
  CFeatureCheck added("Colour", 0, {"Red", "Blue"});
  const std::string bytes = writeInline(added);
  EXPECT_EQ(bytes,
            ArchiveBytes().int32(2).str("Colour").int32(0).count(2).str("Red").str("Blue").bytes());
  CFeatureCheck back;
  size_t consumed = 0;
  EXPECT_EQ(readInline(bytes, back, &consumed), "");
  EXPECT_EQ(consumed, bytes.size());
  EXPECT_EQ(back.label, "Colour");
  EXPECT_TRUE(back.selectedOptions.empty());
}

TEST(FeatureCheck, OlderAndUnknownVersionsReadLabelAndFlagOnly) {
  for (int32_t version : {1, 3}) {
    const std::string bytes = ArchiveBytes().int32(version).str("Size").int32(1).bytes();
    CFeatureCheck back;
    size_t consumed = 0;
    EXPECT_EQ(readInline(bytes, back, &consumed), "");
    EXPECT_EQ(consumed, bytes.size()) << version;
    EXPECT_EQ(back.label, "Size");
    EXPECT_EQ(back.checked, 1);
    EXPECT_TRUE(back.selectedOptions.empty());
  }
}

}  // namespace
}  // namespace quorvex
