#ifndef QUORVEX_PRODUCTS_PRODUCT_FILE_TEXT_H_
#define QUORVEX_PRODUCTS_PRODUCT_FILE_TEXT_H_

#include <string>

namespace quorvex {

// Brings the bytes of a product file (PriceList.txt or a file to import) into
// the program's single-byte text (Windows-1252) with line ends its line
// reader knows:
// - UTF-16 (little or big endian, recognised by its byte order mark or by a
//   NUL byte beside the first character) and UTF-8 (with a byte order mark,
//   or valid UTF-8 holding characters beyond ASCII) are converted; a
//   character Windows-1252 cannot show becomes "?". Other bytes are taken as
//   Windows-1252 already.
// - NUL bytes are removed.
// - A file whose lines end with a lone CR (and that holds no LF) gets LF
//   line ends.
class ProductFileText {
 public:
  // Converts `bytes` in place.
  explicit ProductFileText(std::string* bytes);

  // The warning that names `file` and the first line whose text could not be
  // shown; empty when every character could.
  std::string warning(const std::string& file) const;

  // The line (from 1) holding the first character that could not be shown;
  // 0 when every character could.
  int firstUnshownLine() const { return firstUnshownLine_; }

 private:
  // Removes the NUL bytes and gives lone-CR line ends LF.
  static void finish(std::string* text);

  int firstUnshownLine_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_FILE_TEXT_H_
