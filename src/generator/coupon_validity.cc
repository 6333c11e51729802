#include "generator/coupon_validity.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <limits>

#include "document/coupon.h"

namespace quorvex {

namespace {

// `value` as an int of the broken-down time; stored values of a damaged
// document may lie anywhere.
int tmValue(int64_t value) {
  return static_cast<int>(std::clamp<int64_t>(value, std::numeric_limits<int>::min(),
                                              std::numeric_limits<int>::max()));
}

// Seconds since 1970-01-01 UTC of a local date (`date` 0-based) and time; -1
// when it cannot be represented.
int64_t localSeconds(int32_t year, int32_t month, int32_t date, int hour, int minute,
                     int second) {
  std::tm time{};
  time.tm_year = tmValue(int64_t{year} - 1900);
  time.tm_mon = month;
  time.tm_mday = tmValue(int64_t{date} + 1);
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  time.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&time));
}

std::string arguments(const char* kind, int64_t from, int64_t to) {
  return "'" + std::string(kind) + "'," + std::to_string(from) + "," + std::to_string(to);
}

}  // namespace

std::string couponValidity(const CCoupon& coupon) {
  switch (coupon.scheduleFormat) {
    case CCoupon::kMonthly:
      return arguments("Date", int64_t{coupon.beginDate} + 1, int64_t{coupon.endDate} + 1);
    case CCoupon::kWeekly:
      return arguments("Day", coupon.beginWeekday, coupon.endWeekday);
    case CCoupon::kMonthRange:
      return arguments("Month", coupon.beginMonth, coupon.endMonth);
    case CCoupon::kYearRange:
      return arguments("Year", int64_t{coupon.beginYear} - 1900, int64_t{coupon.endYear} - 1900);
    case CCoupon::kDateRange: {
      const int64_t from =
          localSeconds(coupon.beginYear, coupon.beginMonth, coupon.beginDate, 0, 0, 0);
      const int64_t to = localSeconds(coupon.endYear, coupon.endMonth, coupon.endDate, 23, 59, 59);
      return "'Time'," + std::to_string(from) + "000," + std::to_string(to) + "000";
    }
    default:
      return arguments("", 0, 0);
  }
}

}  // namespace quorvex
