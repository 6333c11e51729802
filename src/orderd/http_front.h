#ifndef QUORVEX_ORDERD_HTTP_FRONT_H_
#define QUORVEX_ORDERD_HTTP_FRONT_H_

#include <httplib.h>

#include <string>
#include <vector>

#include "orderd/connection_gate.h"
#include "orderd/download_vault.h"
#include "orderd/order_desk.h"
#include "orderd/origin_policy.h"

namespace quorvex {

// The order server's HTTP side:
//   POST /order          an order (JSON body); answered with the page to
//                        show, or with JSON when the request accepts
//                        application/json
//   OPTIONS /order?vendor=ID   the browser's preflight for a JSON post
//   GET /download/VENDOR/TOKEN   a downloaded item's file (sendDownload())
//   GET /health          "ok"
// A script may read the answer when its origin is one of the vendor's shop
// origins or allowed by the server (OriginPolicy). Connections are held by a
// ConnectionGate until their request is whole.
class HttpFront {
 public:
  struct Options {
    // Origins allowed for every shop (OriginPolicy).
    std::vector<std::string> serverOrigins;
    // The server sits behind a reverse proxy on the same machine: a
    // client's address is the last one the proxy added to X-Forwarded-For,
    // and connections are not limited per address (they all come from the
    // proxy).
    bool behindProxy = false;
    // Connections one client address may hold (ConnectionGate::Limits).
    size_t perAddress = ConnectionGate::Limits().perAddress;
  };

  // `desk` and `downloads` must outlive the front.
  HttpFront(OrderDesk& desk, const DownloadVault& downloads, Options options);
  HttpFront(const HttpFront&) = delete;
  HttpFront& operator=(const HttpFront&) = delete;

  // Listens on `host` and `port` (0 for a free port); returns the port, or
  // -1 (after saying why on stderr) when it cannot listen.
  int bind(const std::string& host, int port);
  // Serves until stop(); false when serving failed.
  bool serve();
  // Ends serve(); safe from another thread.
  void stop();

 private:
  // The routes: the HTTP library's request handling, one request at a time.
  class Router : public httplib::Server {
   public:
    // Answers the request `stream` holds; true when the connection may
    // carry another request.
    bool answer(httplib::Stream& stream);
  };

  void takeOrder(const httplib::Request& request, httplib::Response& response);
  void answerPreflight(const httplib::Request& request, httplib::Response& response);
  // Lets the request's origin read the response when the policy allows it
  // for a shop of `shopOrigins`.
  void allowOrigin(const httplib::Request& request, const std::vector<std::string>& shopOrigins,
                   httplib::Response& response) const;
  // The address of the client that sent `request`.
  std::string clientAddress(const httplib::Request& request) const;

  OrderDesk& desk_;
  const DownloadVault& downloads_;
  const OriginPolicy origins_;
  const bool behindProxy_;
  Router router_;
  ConnectionGate gate_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_HTTP_FRONT_H_
