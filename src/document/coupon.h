#ifndef QUORVEX_DOCUMENT_COUPON_H_
#define QUORVEX_DOCUMENT_COUPON_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/record.h"

namespace quorvex {

// One coupon of the site: its texts, the template style its page is made
// from and the schedule on which it is valid.
class CCoupon : public Record {
  QUORVEX_RECORD(CCoupon)

 public:
  // The values of `scheduleFormat`, with the fields each one uses. The fields
  // a format does not use mean nothing.
  static constexpr int32_t kNoSchedule = -1;
  static constexpr int32_t kMonthly = 0;     // beginDate, endDate
  static constexpr int32_t kWeekly = 1;      // beginWeekday, endWeekday
  static constexpr int32_t kMonthRange = 2;  // beginMonth, endMonth
  static constexpr int32_t kYearRange = 3;   // beginYear, endYear
  static constexpr int32_t kDateRange = 4;   // date, month and year of both ends

  // The names of the weekdays and months, by their values.
  static constexpr std::array<std::string_view, 7> kWeekdayNames = {
      "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
  static constexpr std::array<std::string_view, 12> kMonthNames = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};

  // Unique among the coupons (case matters); the base of the coupon page's
  // file name.
  std::string couponName;
  std::string couponHeader;
  // The coupon's description.
  std::string couponText;
  // The expiration note, free text.
  std::string couponExpiration;
  // The coupon template style, one of CCouponData::couponStyles.
  std::string styleName;
  int32_t scheduleFormat = kNoSchedule;
  // 0 Sunday ... 6 Saturday.
  int32_t beginWeekday = 0;
  // Day of the month, 0-based: 0 is the 1st.
  int32_t beginDate = 0;
  // 0 January ... 11 December.
  int32_t beginMonth = 0;
  // Four-digit year.
  int32_t beginYear = 0;
  int32_t endWeekday = 0;
  int32_t endDate = 0;
  int32_t endMonth = 0;
  int32_t endYear = 0;

  // The schedule's begin or end as the Coupon Manager lists it: the day of
  // the month ("1" ... "31"), the weekday name, the month name, the year, or
  // month/day/year without leading zeros ("7/4/2006"), by the format. Empty
  // without a schedule, and for a weekday or month out of range.
  std::string beginText() const;
  std::string endText() const;

  // Record version 1: the five strings, then scheduleFormat and the eight
  // schedule values. Another stored version reads nothing more and keeps the
  // defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CCoupon&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_COUPON_H_
