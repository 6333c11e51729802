#ifndef QUORVEX_GENERATOR_COUPON_VALIDITY_H_
#define QUORVEX_GENERATOR_COUPON_VALIDITY_H_

#include <string>

namespace quorvex {

class CCoupon;

// Returns the last arguments of a coupon's statement in the shop's coupon
// list: the kind of its schedule in quotes, then from and to, as
// "'<kind>',<from>,<to>":
// - Monthly: 'Date' and the days of the month, 1-based;
// - Weekly: 'Day' and the weekdays, 0 Sunday to 6 Saturday;
// - Month Range: 'Month' and the months, 0 January to 11 December;
// - Year Range: 'Year' and the years minus 1900;
// - Date Range: 'Time', the begin day at 00:00:00 and the end day at
//   23:59:59 of the local time zone, in milliseconds since 1970-01-01 UTC
//   (the seconds followed by "000").
// A coupon without a schedule gives "'',0,0".
std::string couponValidity(const CCoupon& coupon);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_COUPON_VALIDITY_H_
