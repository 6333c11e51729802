#ifndef QUORVEX_PUBLISH_CARD_NUMBER_H_
#define QUORVEX_PUBLISH_CARD_NUMBER_H_

#include <string_view>

namespace quorvex {

// True when `text` holds what looks like a payment card number: a run of 13
// to 19 digits, single blanks or dashes allowed between them, that passes
// the Luhn check. The order server refuses such text wherever a customer
// types freely, so that no card number is ever stored or mailed.
bool holdsCardNumber(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_CARD_NUMBER_H_
