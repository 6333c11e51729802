#ifndef QUORVEX_APP_SITE_PREVIEW_H_
#define QUORVEX_APP_SITE_PREVIEW_H_

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/site_server.h"
#include "publish/file_list.h"

namespace quorvex {

// A built site served on 127.0.0.1 in the background (SiteServer), the way
// `serve` shows it, so that a browser sees the shop as it will be online:
// the shop's frames share their data only over HTTP. Serving ends when the
// object is destroyed.
//
// Not thread-safe; the web file list is read only by start().
class SitePreview {
 public:
  SitePreview() = default;
  ~SitePreview();
  SitePreview(const SitePreview&) = delete;
  SitePreview& operator=(const SitePreview&) = delete;

  // Serves the files of `webFiles` (SiteServer) on a free loopback port,
  // after ending any earlier serving, and returns the site's address
  // ("http://127.0.0.1:PORT/"), or nothing when no port can be bound.
  std::optional<std::string> start(const CFileList& webFiles, const std::filesystem::path& home,
                                   bool addOnSite);

 private:
  void stop();

  std::unique_ptr<SiteServer> server_;
  std::thread thread_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SITE_PREVIEW_H_
