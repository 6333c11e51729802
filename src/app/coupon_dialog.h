#ifndef QUORVEX_APP_COUPON_DIALOG_H_
#define QUORVEX_APP_COUPON_DIALOG_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_model.h"
#include "document/coupon.h"

namespace quorvex {

class Env;

// "Coupon Data And Schedule": the texts, template style and schedule of one
// coupon. The weekday, month and date lists hold positions (0 is Sunday,
// January, the 1st); the years are the texts of their edits.
class CouponDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // The characters a coupon name may not hold, beginning with the space.
  static constexpr std::string_view kNameForbidden = " \\/:*?\"<>|#%";

  // A new coupon: Monthly, every list at its first entry, both years
  // `currentYear`, the first style selected. `env` and `styles` must outlive
  // the dialog.
  CouponDialog(const Env& env, const std::vector<std::string>& styles, int currentYear);
  // An existing coupon: its texts, format and schedule; its style selected
  // when a style of exactly that name is listed; a year that was never set
  // shows `currentYear`.
  CouponDialog(const Env& env, const std::vector<std::string>& styles, int currentYear,
               const CCoupon& coupon);

  // The schedule formats, by their values (CCoupon::kMonthly first), as
  // the dialog's radio buttons name them.
  static constexpr std::array<std::string_view, 5> kFormatNames = {
      "Monthly", "Weekly", "Month Range", "Year Range", "Date Range"};

  // The controls of a Begin or End row that a format shows.
  struct ScheduleControls {
    bool weekday = false;
    bool month = false;
    bool date = false;
    bool year = false;
  };
  // The controls the chosen format shows: those of the fields it uses.
  ScheduleControls shownControls() const;

  std::string name;
  std::string header;
  std::string expiration;
  std::string text;
  int32_t format = CCoupon::kMonthly;
  int32_t beginWeekday = 0;
  int32_t beginDate = 0;
  int32_t beginMonth = 0;
  std::string beginYear;
  int32_t endWeekday = 0;
  int32_t endDate = 0;
  int32_t endMonth = 0;
  std::string endYear;
  std::optional<size_t> selectedStyle;

  const std::vector<std::string>& styles() const { return styles_; }

  // The preview picture of the selected style below the program folder:
  // "Coupon Templates/<style in lower case>.jpg", found without regard to
  // case; nullopt when no style is selected or there is no such file.
  std::optional<std::filesystem::path> previewPicture() const;

  // Checks the name, then the schedule of the chosen format; on success the
  // coupon holds the trimmed name, the texts, the style and the format with
  // the fields it uses.
  bool accept() override;

  // The coupon as edited (the one given, or a new one, until accept()
  // succeeded). Fields the format does not use keep their values.
  const CCoupon& coupon() const { return coupon_; }

 private:
  bool refuse(const std::string& message);
  // Checks a year edit; returns false after the message when it is refused.
  bool checkYear(const std::string& yearText);
  bool checkSchedule();
  void store(const std::string& trimmedName);

  const Env& env_;
  const std::vector<std::string>& styles_;
  CCoupon coupon_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_COUPON_DIALOG_H_
