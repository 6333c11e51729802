#include "orderd/merchant_folders.h"

#include <iostream>

#include "platform/text_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxVendorChars = 64;

bool isAccountName(std::string_view vendor) {
  if (vendor.empty() || vendor.size() > kMaxVendorChars || vendor.front() == '.') return false;
  for (char c : vendor) {
    const bool allowed =
        (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-';
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

MerchantFolders::MerchantFolders(fs::path dataFolder) : dataFolder_(std::move(dataFolder)) {}

std::optional<fs::path> MerchantFolders::find(std::string_view vendor) const {
  if (!isAccountName(vendor)) return std::nullopt;
  fs::path folder = dataFolder_ / std::string(vendor);
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(folder, error))) return std::nullopt;
  return folder;
}

Status MerchantFolders::readCatalogue(const fs::path& folder, OrderCatalogue& catalogue) {
  const FileLines file = readFileLines(folder / kOrderCatalogueFileName, "\n");
  if (!file.opened || file.error) {
    return Status::notFound("This shop takes no orders yet: its order data is missing.");
  }
  return OrderCatalogue::fromJson(file.text, catalogue);
}

std::optional<std::string> MerchantFolders::readText(const fs::path& folder, const char* name) {
  const FileLines file = readFileLines(folder / name, "\r\n");
  if (file.error) {
    std::cerr << (folder / name).string() << ": " << file.error.message() << "\n";
    return std::nullopt;
  }
  return file.text;
}

}  // namespace quorvex
