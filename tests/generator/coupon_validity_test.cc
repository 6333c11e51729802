#include "generator/coupon_validity.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "document/coupon.h"

namespace quorvex {
namespace {

// Sets the process's local time zone for the life of the object.
class LocalTimeZone {
 public:
  explicit LocalTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~LocalTimeZone() {
    if (old_) {
      setenv("TZ", old_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> old_;
};

CCoupon scheduled(int32_t format, int32_t beginDate, int32_t beginMonth, int32_t beginYear,
                  int32_t endDate, int32_t endMonth, int32_t endYear) {
  CCoupon coupon;
  coupon.scheduleFormat = format;
  coupon.beginDate = beginDate;
  coupon.beginMonth = beginMonth;
  coupon.beginYear = beginYear;
  coupon.endDate = endDate;
  coupon.endMonth = endMonth;
  coupon.endYear = endYear;
  coupon.beginWeekday = 1;
  coupon.endWeekday = 5;
  return coupon;
}

TEST(CouponValidityTest, EachScheduleKindWithItsValues) {
  // Dates of the month are stored 0-based and written 1-based; years are
  // written as years since 1900; weekdays and months as stored.
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kMonthly, 4, 0, 0, 4, 0, 0)), "'Date',5,5");
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kWeekly, 0, 0, 0, 0, 0, 0)), "'Day',1,5");
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kMonthRange, 0, 2, 0, 0, 11, 0)), "'Month',2,11");
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kYearRange, 0, 0, 2006, 0, 0, 2007)),
            "'Year',106,107");
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kNoSchedule, 4, 2, 2006, 4, 2, 2006)), "'',0,0");
}

TEST(CouponValidityTest, DateRangeInLocalTimeMilliseconds) {
  LocalTimeZone zone("EST5EDT,M4.1.0,M10.5.0");
  // 7/4/2006 00:00:00 to 7/5/2006 23:59:59, daylight saving time (UTC-4).
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kDateRange, 3, 6, 2006, 4, 6, 2006)),
            "'Time',1151985600000,1152158399000");
  // 12/31/2005 00:00:00, standard time (UTC-5), to 1/10/2006 23:59:59.
  EXPECT_EQ(couponValidity(scheduled(CCoupon::kDateRange, 30, 11, 2005, 9, 0, 2006)),
            "'Time',1136005200000,1136955599000");
}

}  // namespace
}  // namespace quorvex
