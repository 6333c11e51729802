#ifndef QUORVEX_PUBLISH_CENTS_H_
#define QUORVEX_PUBLISH_CENTS_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Amounts are whole cents throughout the order code, so that re-pricing
// never meets a rounding difference.
using Cents = int64_t;

// Returns `text` as cents: a decimal amount with at most two decimals
// ("249", "249.5", "249.00", ".50"), or nullopt for anything else (empty, a
// sign, three decimals, letters, more than ten integer digits).
std::optional<Cents> parseCents(std::string_view text);

// Returns `amount` with two decimals and a point ("249.00", "0.50", "-1.25").
std::string formatCents(Cents amount);

// Returns `amount` times `rate`, rounded half away from zero to a cent.
Cents applyRate(Cents amount, double rate);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_CENTS_H_
