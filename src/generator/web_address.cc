#include "generator/web_address.h"

namespace quorvex {

std::string absoluteWebAddress(const std::string& url) {
  return url.find("://") != std::string::npos ? url : "http://" + url;
}

}  // namespace quorvex
