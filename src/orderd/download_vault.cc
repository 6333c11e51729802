#include "orderd/download_vault.h"

#include <sys/random.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <iostream>
#include <optional>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "publish/order_catalogue.h"

namespace quorvex {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

namespace {

constexpr char kRecordFolder[] = ".downloads";
constexpr size_t kTokenBytes = 16;

// A new token from the kernel's random source; "" when it gives none.
std::string newToken() {
  unsigned char bytes[kTokenBytes];
  if (getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) return "";
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string token;
  for (const unsigned char byte : bytes) {
    token += kDigits[byte >> 4];
    token += kDigits[byte & 0xf];
  }
  return token;
}

bool isToken(std::string_view text) {
  if (text.size() != 2 * kTokenBytes) return false;
  for (const char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}

// True for a regular file, false for anything else, a symbolic link too.
bool isRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(fs::symlink_status(path, error));
}

// How long an expired link's record is kept, so that the link answers
// "expired" rather than "no such link" for a while; older records are swept.
constexpr std::chrono::hours kExpiredRecordLife{24 * 30};

int64_t secondsSince1970(Clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

// A token's record: the file it grants and its expiry in seconds since 1970.
struct TokenRecord {
  std::string fileName;
  int64_t expirySeconds = 0;
};

// Reads the record file `path`; nullopt (after saying why on stderr) when it
// cannot be read or holds no expiry.
std::optional<TokenRecord> readRecord(const fs::path& path) {
  const FileLines lines = readFileLines(path, "\n");
  if (lines.error) {
    std::cerr << path.string() << ": " << lines.error.message() << "\n";
    return std::nullopt;
  }
  const size_t end = lines.text.find('\n');
  TokenRecord record{lines.text.substr(0, end), 0};
  const char* expiry = end == std::string::npos ? nullptr : lines.text.data() + end + 1;
  const char* textEnd = lines.text.data() + lines.text.size();
  if (!expiry || std::from_chars(expiry, textEnd, record.expirySeconds).ec != std::errc()) {
    std::cerr << path.string() << ": no expiry\n";
    return std::nullopt;
  }
  return record;
}

// Removes the token records of `records` whose link expired longer than
// kExpiredRecordLife before `now`; a record that cannot be read is left.
void sweepExpired(const fs::path& records, Clock::time_point now) {
  const int64_t before = secondsSince1970(now - kExpiredRecordLife);
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(records, error)) {
    if (!isToken(entry.path().filename().string()) || !isRegularFile(entry.path())) continue;
    std::optional<TokenRecord> record = readRecord(entry.path());
    if (!record || record->expirySeconds >= before) continue;
    std::error_code removeError;
    if (!fs::remove(entry.path(), removeError)) {
      std::cerr << entry.path().string() << ": " << removeError.message() << "\n";
    }
  }
  if (error) std::cerr << records.string() << ": " << error.message() << "\n";
}

// True for a folder that is no symbolic link.
bool isRealFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(fs::symlink_status(path, error));
}

}  // namespace

DownloadVault::DownloadVault(const MerchantFolders& merchants)
    : merchants_(merchants), sweeps_(std::chrono::hours(1)) {}

void DownloadVault::setPublicUrl(std::string_view url) {
  while (url.ends_with('/')) url.remove_suffix(1);
  publicUrl_ = url;
}

Status DownloadVault::issue(const fs::path& folder, std::string_view vendor,
                            const std::string& fileName, Clock::time_point expires,
                            std::string& link) const {
  const std::string token = newToken();
  if (token.empty()) {
    return Status::ioError(std::string("No random token for a download: ") + std::strerror(errno));
  }
  const fs::path records = folder / kRecordFolder;
  std::error_code error;
  fs::create_directories(records, error);
  if (error) return Status::ioError(records.string() + ": " + error.message());
  Status written = replaceFileAtomically(
      records / token, fileName + "\n" + std::to_string(secondsSince1970(expires)) + "\n");
  if (!written.ok()) return written;
  if (sweeps_.due(records.string())) sweepExpired(records, Clock::now());
  link = publicUrl_ + "/download/" + std::string(vendor) + "/" + token;
  return Status::success();
}

DownloadVault::Grant DownloadVault::find(std::string_view vendor, std::string_view token,
                                         Clock::time_point now) const {
  const std::optional<fs::path> folder = merchants_.find(vendor);
  if (!folder || !isToken(token)) return {};
  const fs::path record = *folder / kRecordFolder / std::string(token);
  if (!isRegularFile(record)) return {};
  const std::optional<TokenRecord> granted = readRecord(record);
  if (!granted) return {};
  if (!isSingleFileName(granted->fileName)) {
    std::cerr << record.string() << ": not a file of the softgoods folder\n";
    return {};
  }
  if (secondsSince1970(now) >= granted->expirySeconds) return {410, {}};
  const fs::path softgoods = *folder / kSoftgoodsFolder;
  const fs::path file = softgoods / granted->fileName;
  if (!isRealFolder(softgoods) || !isRegularFile(file)) return {};
  return {200, file};
}

}  // namespace quorvex
