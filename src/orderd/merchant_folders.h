#ifndef QUORVEX_ORDERD_MERCHANT_FOLDERS_H_
#define QUORVEX_ORDERD_MERCHANT_FOLDERS_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"
#include "publish/order_catalogue.h"

namespace quorvex {

// The merchants' folders below the order server's data folder, one per
// account, named by the account's vendor ID: what publishing uploads there
// (the order texts, the pages, the order data) and the sales logs.
class MerchantFolders {
 public:
  explicit MerchantFolders(std::filesystem::path dataFolder);

  // Returns the folder of `vendor`, or nullopt when the vendor ID is not a
  // plain account name (1 to 64 of a-z 0-9 . _ -, not starting with a dot)
  // or names no folder (a symbolic link is no folder here).
  std::optional<std::filesystem::path> find(std::string_view vendor) const;

  // Reads the order data the site build put into `folder`.
  static Status readCatalogue(const std::filesystem::path& folder, OrderCatalogue& catalogue);

  // Returns the text of the file `name` of `folder` with CR LF line ends;
  // nullopt, after writing why to stderr, when it is missing or unreadable.
  static std::optional<std::string> readText(const std::filesystem::path& folder, const char* name);

 private:
  const std::filesystem::path dataFolder_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_MERCHANT_FOLDERS_H_
