#ifndef QUORVEX_APP_SITE_SERVER_H_
#define QUORVEX_APP_SITE_SERVER_H_

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "publish/file_list.h"

namespace httplib {
class Server;
}

namespace quorvex {

// A local web server that shows a built site the way its web server will:
// it answers GET for exactly the files of the site's web file list, under
// their remote names, and nothing else (no folder listings, no order-server
// files, no files that merely lie in the site folder). "/" is index.html.
class SiteServer {
 public:
  // `home` resolves the entries' local paths; with `addOnSite` the entries
  // not kept at the root are served below "Quorvex/", as they are uploaded.
  SiteServer(const CFileList& webFiles, const std::filesystem::path& home, bool addOnSite);
  ~SiteServer();
  SiteServer(const SiteServer&) = delete;
  SiteServer& operator=(const SiteServer&) = delete;

  // Binds 127.0.0.1:`port` (0 picks a free port). Returns the port, or 0
  // when it cannot be bound.
  int bind(int port);
  // Answers requests until stop() is called (from another thread).
  void run();
  void stop();
  // True once run() answers requests (stop() ends only a running server).
  bool running() const;

 private:
  // The file of each address path ("Images/logo.jpg").
  std::map<std::string, std::filesystem::path> files_;
  std::unique_ptr<httplib::Server> server_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SITE_SERVER_H_
