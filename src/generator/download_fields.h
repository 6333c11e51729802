#ifndef QUORVEX_GENERATOR_DOWNLOAD_FIELDS_H_
#define QUORVEX_GENERATOR_DOWNLOAD_FIELDS_H_

#include <string>

namespace quorvex {

class CExtraItem;
class GenerationContext;

// The downloadable items of the shop: where the customer fetches each one
// and with which password, and the files to be published for them. The
// counts it leaves in the context decide whether the download page and
// stop.html are written.
//
// The context must outlive the object. Not thread-safe.
class DownloadFields {
 public:
  // Shown by warnAboutCookies().
  static constexpr const char* kCookieWarning =
      "WARNING:  The use of downloaded items requires that JavaScript cookies be set.\n"
      "No cookies will be set by the shopping cart, however.";

  explicit DownloadFields(GenerationContext& context) : context_(context) {}

  // Sets `softwareInfo`: for each product row in table order whose download
  // flag is set, counts it in the context's downloadCount and adds
  // "softwareInfo['<part>'] = new software('<location>','<password>');\n"
  // (part number cleaned, password script-escaped, nothing for an empty
  // one). The location (DownloadLocation::of(), script-escaped) is the web
  // address for a download path that is one or a file on the user's web
  // server, and the file name otherwise. A file on the web server is entered
  // in the web file list, one on the order server in the order-server list,
  // each as its file name in the remote folder "softgoods" (binary), and
  // downloadsOnWebServer or downloadsOnOrderServer is set.
  // The downloadable files are never copied into the site folder: the
  // entries publish them from where they are.
  void setSoftwareInfo();

  // Shows kCookieWarning when setSoftwareInfo() counted downloadable items
  // and the server preferences do not use JavaScript cookies. Called once,
  // after every site-wide field is set.
  void warnAboutCookies();

 private:
  // The location argument of `row`'s statement; enters its file where it
  // is published.
  std::string location(const CExtraItem& row);

  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DOWNLOAD_FIELDS_H_
