#include "app/clock.h"

#include <cstdio>
#include <ctime>

namespace quorvex {

namespace {

std::tm localNow() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

}  // namespace

int SystemClock::currentYear() const { return localNow().tm_year + 1900; }

std::string SystemClock::today() const {
  std::tm local = localNow();
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  return text;
}

}  // namespace quorvex
