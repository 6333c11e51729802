#include "orderd/http_front.h"

#include <sys/socket.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "platform/text_encoding.h"
#include "publish/order_request.h"

namespace quorvex {

namespace {

// Enough threads that fifty shoppers on kept-alive connections never wait
// for one another.
constexpr size_t kServerThreads = 64;
constexpr time_t kReadTimeoutSeconds = 10;
// cpp-httplib as Debian builds it listens with a backlog of 5, which drops
// connections when many shoppers connect at once.
constexpr int kListenBacklog = 1024;

// A download is sent in pieces of this size, never held whole in memory.
constexpr size_t kDownloadChunkBytes = 64 * 1024;

constexpr char kHtmlType[] = "text/html; charset=windows-1252";

std::string jsonReply(const OrderReply& reply) {
  nlohmann::json out;
  out["accepted"] = reply.reason.empty();
  if (reply.reason.empty()) {
    out["order"] = reply.orderNumber;
    out["customer"] = reply.customerId;
    out["total"] = reply.grandTotal;
    out["mailed"] = reply.mailed;
  } else {
    out["error"] = cp1252ToUtf8(reply.reason);
  }
  return out.dump();
}

}  // namespace

HttpFront::HttpFront(OrderDesk& desk, const DownloadVault& downloads,
                     std::vector<std::string> extraOrigins)
    : desk_(desk), downloads_(downloads), extraOrigins_(std::move(extraOrigins)) {
  server_.new_task_queue = [] { return new httplib::ThreadPool(kServerThreads); };
  server_.set_payload_max_length(kMaxOrderRequestBytes);
  server_.set_read_timeout(kReadTimeoutSeconds, 0);
  server_.set_socket_options([this](socket_t socket) {
    int reuse = 1;
    ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    listeningSocket_ = socket;
  });
  server_.Post("/order", [this](const httplib::Request& request, httplib::Response& response) {
    takeOrder(request, response);
  });
  server_.Options("/order", [this](const httplib::Request& request, httplib::Response& response) {
    answerPreflight(request, response);
  });
  server_.Get(R"(/download/([^/]+)/([^/]+))",
              [this](const httplib::Request& request, httplib::Response& response) {
                sendDownload(request, response);
              });
  server_.Get("/health", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("ok\n", "text/plain");
  });
}

int HttpFront::bind(const std::string& host, int port) {
  const int bound = port == 0                                  ? server_.bind_to_any_port(host)
                    : server_.bind_to_port(host.c_str(), port) ? port
                                                               : -1;
  // Listening again on the bound socket only raises its backlog.
  if (bound >= 0 && ::listen(listeningSocket_, kListenBacklog) != 0) return -1;
  return bound;
}

bool HttpFront::serve() { return server_.listen_after_bind(); }

void HttpFront::stop() { server_.stop(); }

void HttpFront::allowOrigin(const httplib::Request& request, const std::string& shopOrigin,
                            httplib::Response& response) const {
  const std::string origin = request.get_header_value("Origin");
  if (origin.empty()) return;
  const bool extra = std::find(extraOrigins_.begin(), extraOrigins_.end(), origin) !=
                     extraOrigins_.end();
  if (origin != shopOrigin && !extra) return;
  response.set_header("Access-Control-Allow-Origin", origin);
  response.set_header("Vary", "Origin");
}

void HttpFront::answerPreflight(const httplib::Request& request, httplib::Response& response) {
  allowOrigin(request, desk_.shopOriginOf(request.get_param_value("vendor")), response);
  response.set_header("Access-Control-Allow-Methods", "POST");
  response.set_header("Access-Control-Allow-Headers", "Content-Type");
  response.set_header("Access-Control-Max-Age", "600");
  response.status = 204;
}

void HttpFront::sendDownload(const httplib::Request& request,
                             httplib::Response& response) const {
  const DownloadVault::Grant grant = downloads_.find(request.matches[1].str(),
                                                     request.matches[2].str(),
                                                     std::chrono::system_clock::now());
  response.status = grant.httpStatus;
  if (grant.httpStatus != 200) {
    response.set_content(grant.httpStatus == 410 ? "This download link has expired.\n"
                                                 : "There is no such download.\n",
                         "text/plain");
    return;
  }
  auto file = std::make_shared<std::ifstream>(grant.file, std::ios::binary);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(grant.file, error);
  if (!*file || error) {
    std::cerr << grant.file.string() << ": cannot be read\n";
    response.status = 500;
    response.set_content("The download cannot be read at the moment.\n", "text/plain");
    return;
  }
  // The name holds no control character (isSingleFileName()); a quote
  // would end the quoted name early.
  std::string name = grant.file.filename().string();
  std::replace(name.begin(), name.end(), '"', '_');
  response.set_header("Content-Disposition", "attachment; filename=\"" + name + "\"");
  response.set_content_provider(
      size, "application/octet-stream",
      [file](size_t offset, size_t length, httplib::DataSink& sink) {
        char buffer[kDownloadChunkBytes];
        file->seekg(static_cast<std::streamoff>(offset));
        file->read(buffer, static_cast<std::streamsize>(std::min(length, sizeof buffer)));
        if (file->gcount() <= 0) return false;
        return sink.write(buffer, static_cast<size_t>(file->gcount()));
      });
}

void HttpFront::takeOrder(const httplib::Request& request, httplib::Response& response) {
  const OrderReply reply = desk_.take(request.body, request.remote_addr,
                                      request.get_header_value("User-Agent"));
  allowOrigin(request, reply.shopOrigin, response);
  response.status = reply.httpStatus;
  if (request.get_header_value("Accept").find("application/json") != std::string::npos) {
    response.set_content(jsonReply(reply), "application/json");
  } else {
    response.set_content(reply.page, kHtmlType);
  }
}

}  // namespace quorvex
