#include "document/coupon.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

CCoupon scheduled(int32_t format, int32_t weekday, int32_t date, int32_t month, int32_t year) {
  CCoupon coupon;
  coupon.scheduleFormat = format;
  coupon.beginWeekday = weekday;
  coupon.beginDate = date;
  coupon.beginMonth = month;
  coupon.beginYear = year;
  coupon.endWeekday = 6;
  coupon.endDate = 0;
  coupon.endMonth = 0;
  coupon.endYear = 2006;
  return coupon;
}

TEST(Coupon, StoredFormAndUnknownVersion) {
  CCoupon coupon = scheduled(CCoupon::kDateRange, 2, 3, 6, 2006);
  coupon.couponName = "JulyFourth";
  coupon.couponHeader = "Save 10%";
  coupon.couponText = "On everything";
  coupon.couponExpiration = "While stocks last";
  coupon.styleName = "Blue Border";
  const std::string expected = ArchiveBytes()
                                   .int32(1)
                                   .str("JulyFourth")
                                   .str("Save 10%")
                                   .str("On everything")
                                   .str("While stocks last")
                                   .str("Blue Border")
                                   .int32(4)
                                   .int32(2)
                                   .int32(3)
                                   .int32(6)
                                   .int32(2006)
                                   .int32(6)
                                   .int32(0)
                                   .int32(0)
                                   .int32(2006)
                                   .bytes();
  EXPECT_EQ(writeInline(coupon), expected);
  CCoupon back;
  EXPECT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, coupon);

  CCoupon unknown;
  size_t consumed = 0;
  EXPECT_EQ(readInline(ArchiveBytes().int32(0).str("x").bytes(), unknown, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(unknown, CCoupon());
  EXPECT_EQ(unknown.scheduleFormat, CCoupon::kNoSchedule);
}

TEST(Coupon, ScheduleTextsByFormat) {
  CCoupon monthly = scheduled(CCoupon::kMonthly, 0, 4, 0, 0);
  monthly.endDate = 4;
  EXPECT_EQ(monthly.beginText(), "5");
  EXPECT_EQ(monthly.endText(), "5");

  CCoupon weekly = scheduled(CCoupon::kWeekly, 0, 0, 0, 0);
  EXPECT_EQ(weekly.beginText(), "Sunday");
  EXPECT_EQ(weekly.endText(), "Saturday");

  EXPECT_EQ(scheduled(CCoupon::kMonthRange, 0, 0, 11, 0).beginText(), "December");
  EXPECT_EQ(scheduled(CCoupon::kYearRange, 0, 0, 0, 2005).beginText(), "2005");

  CCoupon dates = scheduled(CCoupon::kDateRange, 0, 30, 11, 2005);
  EXPECT_EQ(dates.beginText(), "12/31/2005");
  EXPECT_EQ(dates.endText(), "1/1/2006");

  EXPECT_EQ(scheduled(CCoupon::kNoSchedule, 0, 0, 0, 0).beginText(), "");
  // Values no dialog writes, as a damaged document may hold them.
  EXPECT_EQ(scheduled(CCoupon::kWeekly, 7, 0, 0, 0).beginText(), "");
  EXPECT_EQ(scheduled(CCoupon::kMonthRange, 0, 0, -1, 0).beginText(), "");
  EXPECT_EQ(scheduled(CCoupon::kMonthly, 0, 2147483647, 0, 0).beginText(), "2147483648");
  EXPECT_EQ(scheduled(5, 0, 0, 0, 0).beginText(), "");
}

}  // namespace
}  // namespace quorvex
