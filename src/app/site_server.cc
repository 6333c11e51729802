#include "app/site_server.h"

#include <httplib.h>

#include <cstdio>

#include "platform/regular_file.h"
#include "platform/strings.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

// The largest file served: far above any page or picture of a shop.
constexpr size_t kMaxServedBytes = size_t{256} << 20;

// The Content-Type of a file name, by its extension.
std::string contentTypeOf(const std::string& name) {
  static const std::map<std::string, std::string> kTypes = {
      {"html", "text/html; charset=windows-1252"},
      {"htm", "text/html; charset=windows-1252"},
      {"css", "text/css"},
      {"js", "text/javascript"},
      {"txt", "text/plain; charset=windows-1252"},
      {"gif", "image/gif"},
      {"jpg", "image/jpeg"},
      {"jpeg", "image/jpeg"},
      {"png", "image/png"},
      {"ico", "image/x-icon"},
      {"pdf", "application/pdf"},
  };
  const size_t dot = name.rfind('.');
  if (dot == std::string::npos) return "application/octet-stream";
  auto type = kTypes.find(toLowerAscii(name.substr(dot + 1)));
  return type == kTypes.end() ? "application/octet-stream" : type->second;
}

}  // namespace

SiteServer::SiteServer(const CFileList& webFiles, const fs::path& home, bool addOnSite)
    : server_(std::make_unique<httplib::Server>()) {
  for (const CFileEntry& entry : webFiles.entries) {
    if (entry.localFile.empty() || entry.remoteName.empty()) continue;
    std::string address = addOnSite && entry.rootOnAddOn == 0 ? "Quorvex/" : "";
    if (!entry.remoteFolder.empty()) address += entry.remoteFolder + "/";
    files_[address + entry.remoteName] = entry.localPath(home);
  }
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    std::string address = request.path.substr(1);
    if (address.empty()) address = "index.html";
    auto file = files_.find(address);
    if (file == files_.end()) {
      response.status = 404;
      response.set_content("Not found: this site has no " + request.path + "\n", "text/plain");
      return;
    }
    std::string body;
    if (Status read = readRegularFile(file->second, kMaxServedBytes, &body); !read.ok()) {
      std::fprintf(stderr, "quorvex-cli: %s\n", read.message().c_str());
      response.status = 500;
      response.set_content(read.message() + "\n", "text/plain");
      return;
    }
    // Every request sees the latest build.
    response.set_header("Cache-Control", "no-cache");
    response.set_content(body, contentTypeOf(address));
  });
}

SiteServer::~SiteServer() = default;

int SiteServer::bind(int port) {
  if (port == 0) return server_->bind_to_any_port("127.0.0.1");
  return server_->bind_to_port("127.0.0.1", port) ? port : 0;
}

void SiteServer::run() { server_->listen_after_bind(); }

void SiteServer::stop() { server_->stop(); }

bool SiteServer::running() const { return server_->is_running(); }

}  // namespace quorvex
