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

constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";

}  // namespace

std::string cleanPartNumber(std::string_view partNumber) {
  if (partNumber == " ") return "_";
  return replaceEach(partNumber, "';?\\`|", '_');
}

std::string cleanDescription(std::string_view description) {
  return replaceEach(description, "?`|", ' ');
}

std::string cleanDownloadText(std::string_view text) { return replaceEach(text, "?`|", '_'); }

std::string trimWhiteSpace(std::string_view text) {
  const size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(kWhiteSpace);
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace quorvex
