#include "document/coupon.h"

#include <array>
#include <string_view>

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {
namespace {

// The name at `index` of `names`, empty when out of range.
template <size_t N>
std::string nameAt(const std::array<std::string_view, N>& names, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= N) return "";
  return std::string(names[static_cast<size_t>(index)]);
}

// `value` + 1 in decimal; computed in 64 bits so that no stored value
// overflows.
std::string oneBased(int32_t value) { return std::to_string(int64_t{value} + 1); }

std::string scheduleText(int32_t format, int32_t weekday, int32_t date, int32_t month,
                         int32_t year) {
  switch (format) {
    case CCoupon::kMonthly:
      return oneBased(date);
    case CCoupon::kWeekly:
      return nameAt(CCoupon::kWeekdayNames, weekday);
    case CCoupon::kMonthRange:
      return nameAt(CCoupon::kMonthNames, month);
    case CCoupon::kYearRange:
      return std::to_string(year);
    case CCoupon::kDateRange:
      return oneBased(month) + "/" + oneBased(date) + "/" + std::to_string(year);
    default:
      return "";
  }
}

}  // namespace

std::string CCoupon::beginText() const {
  return scheduleText(scheduleFormat, beginWeekday, beginDate, beginMonth, beginYear);
}

std::string CCoupon::endText() const {
  return scheduleText(scheduleFormat, endWeekday, endDate, endMonth, endYear);
}

void CCoupon::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(couponName);
  ar.io(couponHeader);
  ar.io(couponText);
  ar.io(couponExpiration);
  ar.io(styleName);
  ar.io(scheduleFormat);
  ar.io(beginWeekday);
  ar.io(beginDate);
  ar.io(beginMonth);
  ar.io(beginYear);
  ar.io(endWeekday);
  ar.io(endDate);
  ar.io(endMonth);
  ar.io(endYear);
}

void CCoupon::visitFields(FieldVisitor& visitor) {
  visitor.field("couponName", couponName);
  visitor.field("couponHeader", couponHeader);
  visitor.field("couponText", couponText);
  visitor.field("couponExpiration", couponExpiration);
  visitor.field("styleName", styleName);
  visitor.field("scheduleFormat", scheduleFormat);
  visitor.field("beginWeekday", beginWeekday);
  visitor.field("beginDate", beginDate);
  visitor.field("beginMonth", beginMonth);
  visitor.field("beginYear", beginYear);
  visitor.field("endWeekday", endWeekday);
  visitor.field("endDate", endDate);
  visitor.field("endMonth", endMonth);
  visitor.field("endYear", endYear);
}

}  // namespace quorvex
