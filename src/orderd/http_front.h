#ifndef QUORVEX_ORDERD_HTTP_FRONT_H_
#define QUORVEX_ORDERD_HTTP_FRONT_H_

#include <httplib.h>

#include <string>
#include <vector>

#include "orderd/download_vault.h"
#include "orderd/order_desk.h"

namespace quorvex {

// The order server's HTTP side:
//   POST /order          an order (JSON body); answered with the page to
//                        show, or with JSON when the request accepts
//                        application/json
//   OPTIONS /order?vendor=ID   the browser's preflight for a JSON post
//   GET /download/VENDOR/TOKEN   a downloaded item's file (DownloadVault):
//                        404 for an unknown link, 410 Gone once it expired
//   GET /health          "ok"
// A script may read the answer when its origin is the vendor's shop origin
// or one of the extra origins given.
class HttpFront {
 public:
  // `desk` and `downloads` must outlive the front.
  HttpFront(OrderDesk& desk, const DownloadVault& downloads,
            std::vector<std::string> extraOrigins);
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;

  // Binds to `host` and `port` (0 for a free port); returns the port, or -1
  // when it cannot bind.
  int bind(const std::string& host, int port);
  // Serves until stop(); false when serving failed.
  bool serve();
  // Ends serve(); safe from another thread.
  void stop();

 private:
  void takeOrder(const httplib::Request& request, httplib::Response& response);
  void sendDownload(const httplib::Request& request, httplib::Response& response) const;
  void answerPreflight(const httplib::Request& request, httplib::Response& response);
  // Lets the request's origin read the response when it is `shopOrigin` or
  // one of the extra origins.
  void allowOrigin(const httplib::Request& request, const std::string& shopOrigin,
                   httplib::Response& response) const;

  OrderDesk& desk_;
  const DownloadVault& downloads_;
  const std::vector<std::string> extraOrigins_;
  httplib::Server server_;
  // The socket the server listens on, once bound.
  socket_t listeningSocket_ = INVALID_SOCKET;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_HTTP_FRONT_H_
