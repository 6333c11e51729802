#include "generator/file_replacement.h"

#include <array>
#include <fstream>
#include <string>

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 64 * 1024;

// Reads up to kChunk bytes into `buffer`; returns how many (0 at the end or
// on an error, which the caller tells apart through the stream).
size_t readChunk(std::ifstream& in, std::array<char, kChunk>& buffer) {
  in.read(buffer.data(), buffer.size());
  return static_cast<size_t>(in.gcount());
}

}  // namespace

bool fileHolds(const fs::path& file, std::string_view bytes) {
  std::error_code error;
  if (!fs::is_regular_file(file, error) || fs::file_size(file, error) != bytes.size() || error) {
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  std::array<char, kChunk> buffer;
  while (in) {
    const size_t read = readChunk(in, buffer);
    if (bytes.substr(0, read) != std::string_view(buffer.data(), read)) return false;
    bytes.remove_prefix(read);
  }
  return in.eof() && bytes.empty();
}

bool sameContent(const fs::path& first, const fs::path& second) {
  std::error_code error;
  if (!fs::is_regular_file(first, error) || !fs::is_regular_file(second, error) ||
      fs::file_size(first, error) != fs::file_size(second, error) || error) {
    return false;
  }
  std::ifstream a(first, std::ios::binary);
  std::ifstream b(second, std::ios::binary);
  std::array<char, kChunk> bufferA;
  std::array<char, kChunk> bufferB;
  while (a && b) {
    const size_t readA = readChunk(a, bufferA);
    const size_t readB = readChunk(b, bufferB);
    if (std::string_view(bufferA.data(), readA) != std::string_view(bufferB.data(), readB)) {
      return false;
    }
  }
  return a.eof() && b.eof();
}

fs::path temporarySibling(const fs::path& target, std::string_view purpose) {
  return target.parent_path() /
         ("." + std::string(purpose) + "-" + target.filename().string());
}

std::error_code moveIntoPlace(const fs::path& temporary, const fs::path& target) {
  std::error_code error;
  if (sameContent(temporary, target)) {
    fs::remove(temporary, error);
    return error;
  }
  fs::rename(temporary, target, error);
  if (error) {
    std::error_code ignored;  // the rename's error is the one to report
    fs::remove(temporary, ignored);
  }
  return error;
}

}  // namespace quorvex
