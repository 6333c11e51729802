#ifndef QUORVEX_PRODUCTS_LINE_CURSOR_H_
#define QUORVEX_PRODUCTS_LINE_CURSOR_H_

#include <string_view>

namespace quorvex {

// Walks the lines of a text read as Windows text files are read: "\r\n" and
// "\n" both end a line and are not part of it; a lone "\r" stays in its line.
// A last line without a line end still counts; a text that ends with a line
// end has no empty line after it.
class LineCursor {
 public:
  // `text` must outlive the cursor.
  explicit LineCursor(std::string_view text) : rest_(text) {}

  // Sets `line` to the next line and returns true; false when no line is
  // left. The line is a view into the text.
  bool next(std::string_view* line);

 private:
  std::string_view rest_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_LINE_CURSOR_H_
