#ifndef QUORVEX_GENERATOR_DOWNLOAD_LOCATION_H_
#define QUORVEX_GENERATOR_DOWNLOAD_LOCATION_H_

#include <string>

namespace quorvex {

class CExtraItem;

// Where the customer fetches a downloaded item from, as the product row says.
struct DownloadLocation {
  enum class Host {
    // The download path is itself a web address.
    kWebAddress,
    // The file is published to the user's web server, under "softgoods/".
    kWebServer,
    // The file is published to the merchant's folder on the order server,
    // under "softgoods/"; the order server hands out links to it.
    kOrderServer,
    // The file is published nowhere: the merchant delivers it.
    kNowhere,
  };

  Host host = Host::kNowhere;
  // The download path as read out (cleanDownloadText()): the file to publish.
  std::string path;
  // The cleaned last component of the path (cleanFileName()), the name the
  // file is published under; empty for a web address.
  std::string fileName;
  // The address the customer fetches the item from: the path for a web
  // address, the full address below the company's web address for a file on
  // the web server; empty otherwise.
  std::string url;

  // Returns the location of `row`'s download. A download path holding
  // "http://", "https://" or "ftp://" is a web address. Otherwise the row's
  // upload flag decides: 0 the web server, where the file's address is
  // `companyUrl` made absolute ("http://" put in front when it names no
  // scheme), "/" unless it ends with one, "softgoods/" and the file name;
  // 1 the order server; any other value nowhere.
  static DownloadLocation of(const CExtraItem& row, const std::string& companyUrl);
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DOWNLOAD_LOCATION_H_
