#ifndef QUORVEX_APP_CLOCK_H_
#define QUORVEX_APP_CLOCK_H_

#include <string>

namespace quorvex {

// The calendar as the application reads it (local time). Tests give a fixed
// one.
class Clock {
 public:
  virtual ~Clock() = default;

  // The current year, four digits.
  virtual int currentYear() const = 0;
  // Today's date as "YYYY-MM-DD".
  virtual std::string today() const = 0;
};

// The system's clock in local time.
class SystemClock : public Clock {
 public:
  int currentYear() const override;
  std::string today() const override;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CLOCK_H_
