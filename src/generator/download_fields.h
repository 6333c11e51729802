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
  // one). The location of a download path holding "http://", "https://" or
  // "ftp://" is that path, script-escaped. Otherwise, with F the cleaned
  // file name of the path, by the row's upload flag:
  // - 0, the user's server: the company's web address ("http://" put in
  //   front when it names no scheme), "/" unless it ends with one,
  //   "softgoods/" and F; the file is entered in the web file list as F in
  //   the remote folder "softgoods" (binary), and downloadsOnWebServer set;
  // - 1, the order server: F; entered the same way in the order-server list,
  //   and downloadsOnOrderServer set;
  // - any other: F, and entered nowhere.
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
  // The web address that downloads on the user's server are found under,
  // ending with "/softgoods/".
  std::string softgoodsAddress() const;

  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DOWNLOAD_FIELDS_H_
