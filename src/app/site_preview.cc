#include "app/site_preview.h"

#include <chrono>

namespace quorvex {

SitePreview::~SitePreview() { stop(); }

std::optional<std::string> SitePreview::start(const CFileList& webFiles,
                                              const std::filesystem::path& home, bool addOnSite) {
  stop();
  auto server = std::make_unique<SiteServer>(webFiles, home, addOnSite);
  const int port = server->bind(0);
  if (port <= 0) return std::nullopt;
  server_ = std::move(server);
  thread_ = std::thread([server = server_.get()] { server->run(); });
  // stop() ends only a server that runs: wait for it, so that a preview
  // ended at once still ends.
  for (int tries = 0; tries < 400 && !server_->running(); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (!server_->running()) {
    stop();
    return std::nullopt;
  }
  return "http://127.0.0.1:" + std::to_string(port) + "/";
}

void SitePreview::stop() {
  if (!server_) return;
  server_->stop();
  if (thread_.joinable()) thread_.join();
  server_.reset();
}

}  // namespace quorvex
