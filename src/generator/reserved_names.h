#ifndef QUORVEX_GENERATOR_RESERVED_NAMES_H_
#define QUORVEX_GENERATOR_RESERVED_NAMES_H_

#include <string_view>

namespace quorvex {

// True when a file of a style folder named exactly `name` (case matters) is
// one the generator uses in its own way (page, shop and contact-list
// templates, kind scripts, order texts, the style's configuration and
// preview), so that it is not copied or processed as an extra file of the
// site.
bool isReservedStyleFile(std::string_view name);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_RESERVED_NAMES_H_
