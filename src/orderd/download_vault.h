#ifndef QUORVEX_ORDERD_DOWNLOAD_VAULT_H_
#define QUORVEX_ORDERD_DOWNLOAD_VAULT_H_

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "orderd/merchant_folders.h"
#include "orderd/sweep_schedule.h"
#include "platform/status.h"

namespace quorvex {

// The order server's own download links, for the files a merchant publishes
// into the "softgoods" folder of its folder. Each downloaded item of an
// order gets a link with a random token of its own (128 bits, 32 lower-case
// hex digits) that lasts until the order's downloads expire:
//
//   <public URL>/download/<vendor ID>/<token>
//
// A token is recorded as the file .downloads/<token> of the merchant's
// folder: the name of the file in "softgoods" on the first line, the expiry
// in seconds since 1970 (UTC) on the second. An expired link answers
// "expired" for 30 days; then its record is swept when one of the merchant's
// next links is issued (the records are looked through at most once an hour
// per merchant, so that a busy shop does not read them all for every order).
// Safe to use from several threads at once once the public URL is set.
class DownloadVault {
 public:
  // What a link leads to.
  struct Grant {
    // 200 the file may be fetched; 404 no such link, or its file is gone;
    // 410 the link has expired.
    int httpStatus = 404;
    // The file to send, when 200.
    std::filesystem::path file;
  };

  // `merchants` must outlive the vault.
  explicit DownloadVault(const MerchantFolders& merchants);
  DownloadVault(const DownloadVault&) = delete;
  DownloadVault& operator=(const DownloadVault&) = delete;

  // Sets what the links start with ("https://orders.example"; a trailing
  // "/" is dropped). Call before the server takes orders.
  void setPublicUrl(std::string_view url);

  // Records a new token for the file `fileName` (a single file name) of the
  // merchant `vendor` whose folder is `folder`, valid until `expires`, and
  // sets `link` to its link. Fails when the token cannot be made or
  // recorded. Records of links that expired more than 30 days ago are
  // removed from the merchant's folder on the way, when the folder was not
  // swept within the last hour.
  Status issue(const std::filesystem::path& folder, std::string_view vendor,
               const std::string& fileName, std::chrono::system_clock::time_point expires,
               std::string& link) const;

  // Returns what the link of `vendor` and `token` leads to at `now`. The
  // record must name a single file name, and that file must be a regular
  // file (no symbolic link) in the softgoods folder, else 404.
  Grant find(std::string_view vendor, std::string_view token,
             std::chrono::system_clock::time_point now) const;

 private:
  const MerchantFolders& merchants_;
  std::string publicUrl_;
  // When each merchant's records are looked through for expired ones.
  mutable SweepSchedule sweeps_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_DOWNLOAD_VAULT_H_
