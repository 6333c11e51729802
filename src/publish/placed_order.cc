#include "publish/placed_order.h"

#include "platform/strings.h"

namespace quorvex {

std::string paymentStatus(std::string_view method) {
  const std::string lower = toLowerAscii(method);
  for (const char* card :
       {"card", "visa", "discover", "american express", "amex", "diners", "jcb"}) {
    if (lower.find(card) != std::string::npos) return "awaiting card payment";
  }
  return "awaiting payment";
}

}  // namespace quorvex
