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

constexpr std::string_view kPartNumberUnsafe = "';?\\`|";

// The character that `c` becomes in a cleaned part number, which is not
// exactly one space.
char cleanPartNumberChar(char c) {
  return kPartNumberUnsafe.find(c) == std::string_view::npos ? c : '_';
}

constexpr uint64_t kHashStart = 14695981039346656037ull;
constexpr uint64_t kHashPrime = 1099511628211ull;

uint64_t hashStep(uint64_t hash, char c) {
  return (hash ^ static_cast<unsigned char>(c)) * kHashPrime;
}

}  // namespace

std::string cleanPartNumber(std::string_view partNumber) {
  if (partNumber == " ") return "_";
  return replaceEach(partNumber, kPartNumberUnsafe, '_');
}

bool cleanPartNumberEquals(std::string_view partNumber, std::string_view cleaned) {
  if (partNumber == " ") return cleaned == "_";
  if (partNumber.size() != cleaned.size()) return false;
  for (size_t i = 0; i < partNumber.size(); ++i) {
    if (cleanPartNumberChar(partNumber[i]) != cleaned[i]) return false;
  }
  return true;
}

uint64_t cleanPartNumberHash(std::string_view partNumber) {
  if (partNumber == " ") return textHash("_");
  uint64_t hash = kHashStart;
  for (char c : partNumber) hash = hashStep(hash, cleanPartNumberChar(c));
  return hash;
}

uint64_t textHash(std::string_view text) {
  uint64_t hash = kHashStart;
  for (char c : text) hash = hashStep(hash, c);
  return hash;
}

std::string cleanDescription(std::string_view description) {
  return replaceEach(description, "?`|", ' ');
}

std::string cleanDownloadText(std::string_view text) { return replaceEach(text, "?`|", '_'); }

}  // namespace quorvex
