#include "products/line_cursor.h"

namespace quorvex {

bool LineCursor::next(std::string_view* line) {
  if (rest_.empty()) return false;
  const size_t end = rest_.find('\n');
  if (end == std::string_view::npos) {
    *line = rest_;
    rest_ = {};
    return true;
  }
  *line = rest_.substr(0, end);
  if (!line->empty() && line->back() == '\r') line->remove_suffix(1);
  rest_.remove_prefix(end + 1);
  return true;
}

}  // namespace quorvex
