#include "app/coupon_dialog.h"

#include <algorithm>
#include <tuple>

#include "document/coupon_data.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/strings.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

// A list position read from a stored value; the first entry when the value
// is outside the list.
int32_t listPosition(int32_t stored, int32_t size) {
  return stored >= 0 && stored < size ? stored : 0;
}

std::string yearText(int32_t stored, int currentYear) {
  return std::to_string(stored > 0 ? stored : currentYear);
}

// The value of a year edit: its leading digits, 0 without any.
int32_t yearValue(const std::string& text) {
  int32_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9' || value > 100000) break;
    value = value * 10 + (c - '0');
  }
  return value;
}

constexpr const char* kDateOrderMessage =
    "Sorry, the beginning date must not be after the end date.";

}  // namespace

CouponDialog::CouponDialog(const Env& env, const std::vector<std::string>& styles,
                           int currentYear)
    : DialogModel("Coupon Data And Schedule", "CouponData.html"),
      beginYear(std::to_string(currentYear)),
      endYear(std::to_string(currentYear)),
      env_(env),
      styles_(styles) {
  if (!styles_.empty()) selectedStyle = 0;
}

CouponDialog::CouponDialog(const Env& env, const std::vector<std::string>& styles,
                           int currentYear, const CCoupon& coupon)
    : DialogModel("Coupon Data And Schedule", "CouponData.html"),
      name(coupon.couponName),
      header(coupon.couponHeader),
      expiration(coupon.couponExpiration),
      text(coupon.couponText),
      format(coupon.scheduleFormat >= CCoupon::kMonthly &&
                     coupon.scheduleFormat <= CCoupon::kDateRange
                 ? coupon.scheduleFormat
                 : CCoupon::kMonthly),
      beginWeekday(listPosition(coupon.beginWeekday, 7)),
      beginDate(listPosition(coupon.beginDate, 31)),
      beginMonth(listPosition(coupon.beginMonth, 12)),
      beginYear(yearText(coupon.beginYear, currentYear)),
      endWeekday(listPosition(coupon.endWeekday, 7)),
      endDate(listPosition(coupon.endDate, 31)),
      endMonth(listPosition(coupon.endMonth, 12)),
      endYear(yearText(coupon.endYear, currentYear)),
      env_(env),
      styles_(styles),
      coupon_(coupon) {
  auto style = std::find(styles_.begin(), styles_.end(), coupon.styleName);
  if (style != styles_.end()) selectedStyle = static_cast<size_t>(style - styles_.begin());
}

CouponDialog::ScheduleControls CouponDialog::shownControls() const {
  switch (format) {
    case CCoupon::kMonthly: return {.date = true};
    case CCoupon::kWeekly: return {.weekday = true};
    case CCoupon::kMonthRange: return {.month = true};
    case CCoupon::kYearRange: return {.year = true};
    case CCoupon::kDateRange: return {.month = true, .date = true, .year = true};
    default: return {};
  }
}

std::optional<std::filesystem::path> CouponDialog::previewPicture() const {
  const std::filesystem::path& home = env_.home();
  if (!selectedStyle || *selectedStyle >= styles_.size()) return std::nullopt;
  const std::string fileName = toLowerAscii(styles_[*selectedStyle]) + ".jpg";
  if (!joinInside(home, fileName)) return std::nullopt;
  return findCaseInsensitive(home / CCouponData::kTemplatesFolder, fileName);
}

bool CouponDialog::refuse(const std::string& message) {
  env_.prompter().showMessage(message);
  return false;
}

bool CouponDialog::checkYear(const std::string& yearText) {
  if (yearText.size() <= 3) {
    return refuse("Please, put year in full four digit format (e.g. 2006).");
  }
  if (yearValue(yearText) < 1970) return refuse("Sorry, the year must be 1970 or later.");
  return true;
}

bool CouponDialog::checkSchedule() {
  switch (format) {
    case CCoupon::kMonthly: return endDate >= beginDate || refuse(kDateOrderMessage);
    case CCoupon::kWeekly:
      return endWeekday >= beginWeekday ||
             refuse("Sorry, the beginning day must not be after the end day.");
    case CCoupon::kMonthRange:
      return endMonth >= beginMonth ||
             refuse("Sorry, the beginning month must not be after the end month.");
    case CCoupon::kYearRange:
      if (!checkYear(beginYear) || !checkYear(endYear)) return false;
      return yearValue(endYear) >= yearValue(beginYear) || refuse(kDateOrderMessage);
    case CCoupon::kDateRange:
      if (!checkYear(beginYear) || !checkYear(endYear)) return false;
      return std::tuple(yearValue(endYear), endMonth, endDate) >=
                 std::tuple(yearValue(beginYear), beginMonth, beginDate) ||
             refuse(kDateOrderMessage);
  }
  return true;
}

bool CouponDialog::accept() {
  const std::string trimmedName(trim(name));
  if (trimmedName.empty()) return refuse("Please, enter a name for this coupon.");
  if (trimmedName.find_first_of(kNameForbidden) != std::string::npos) {
    return refuse("Sorry, Coupon Name may not include spaces or any of these characters:\n" +
                  std::string(kNameForbidden));
  }
  if (!checkSchedule()) return false;
  store(trimmedName);
  return true;
}

void CouponDialog::store(const std::string& trimmedName) {
  coupon_.couponName = trimmedName;
  coupon_.couponHeader = header;
  coupon_.couponText = text;
  coupon_.couponExpiration = expiration;
  coupon_.styleName =
      selectedStyle && *selectedStyle < styles_.size() ? styles_[*selectedStyle] : "";
  coupon_.scheduleFormat = format;
  switch (format) {
    case CCoupon::kMonthly:
      coupon_.beginDate = beginDate;
      coupon_.endDate = endDate;
      break;
    case CCoupon::kWeekly:
      coupon_.beginWeekday = beginWeekday;
      coupon_.endWeekday = endWeekday;
      break;
    case CCoupon::kMonthRange:
      coupon_.beginMonth = beginMonth;
      coupon_.endMonth = endMonth;
      break;
    case CCoupon::kYearRange:
      coupon_.beginYear = yearValue(beginYear);
      coupon_.endYear = yearValue(endYear);
      break;
    case CCoupon::kDateRange:
      coupon_.beginDate = beginDate;
      coupon_.beginMonth = beginMonth;
      coupon_.beginYear = yearValue(beginYear);
      coupon_.endDate = endDate;
      coupon_.endMonth = endMonth;
      coupon_.endYear = yearValue(endYear);
      break;
  }
}

}  // namespace quorvex
