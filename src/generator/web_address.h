#ifndef QUORVEX_GENERATOR_WEB_ADDRESS_H_
#define QUORVEX_GENERATOR_WEB_ADDRESS_H_

#include <string>

namespace quorvex {

// Returns the company's web address as an absolute address: `url` itself
// when it names its scheme ("http://", "https://", ...), otherwise
// "http://" + `url` (so an empty address gives "http://"). The contact
// record keeps an http address without its prefix, other schemes with
// theirs.
std::string absoluteWebAddress(const std::string& url);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_WEB_ADDRESS_H_
