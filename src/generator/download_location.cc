#include "generator/download_location.h"

#include "generator/text_helpers.h"
#include "generator/web_address.h"
#include "products/extra_item.h"
#include "products/product_text.h"
#include "publish/order_catalogue.h"

namespace quorvex {

namespace {

// The upload flags of a downloadable item.
constexpr int32_t kOnWebServer = 0;
constexpr int32_t kOnOrderServer = 1;

bool isWebAddress(std::string_view path) {
  return path.find("http://") != std::string_view::npos ||
         path.find("https://") != std::string_view::npos ||
         path.find("ftp://") != std::string_view::npos;
}

}  // namespace

DownloadLocation DownloadLocation::of(const CExtraItem& row, const std::string& companyUrl) {
  DownloadLocation location;
  location.path = cleanDownloadText(row.downloadPath);
  if (isWebAddress(location.path)) {
    location.host = Host::kWebAddress;
    location.url = location.path;
    return location;
  }
  location.fileName = cleanFileName(lastPathComponent(location.path));
  switch (row.uploadFlag) {
    case kOnWebServer: {
      location.host = Host::kWebServer;
      // The customer's browser needs the scheme to reach the file.
      std::string address = absoluteWebAddress(companyUrl);
      if (!address.ends_with('/')) address += '/';
      location.url = address + kSoftgoodsFolder + "/" + location.fileName;
      break;
    }
    case kOnOrderServer: location.host = Host::kOrderServer; break;
    default: location.host = Host::kNowhere;
  }
  return location;
}

}  // namespace quorvex
