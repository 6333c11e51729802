#include "products/product_text.h"

namespace quorvex {

namespace {

// Returns `text` with each character listed in `unwanted` replaced by
// `replacement`.
std::string replaceEach(std::string_view text, std::string_view unwanted, char replacement) {
  std::string result(text);
  for (char& c : result) {
    if (unwanted.find(c) != std::string_view::npos) c = replacement;
  }
  return result;
}

}  // namespace

std::string cleanPartNumber(std::string_view partNumber) {
  if (partNumber == " ") return "_";
  return replaceEach(partNumber, "';?\\`|", '_');
}

std::string cleanDescription(std::string_view description) {
  return replaceEach(description, "?`|", ' ');
}

std::string cleanDownloadText(std::string_view text) { return replaceEach(text, "?`|", '_'); }

}  // namespace quorvex
