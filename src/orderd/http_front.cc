#include "orderd/http_front.h"

#include <algorithm>
#include <iostream>
#include <nlohmann/json.hpp>

#include "orderd/download_sender.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "publish/order_request.h"

namespace quorvex {

namespace {

constexpr char kHtmlType[] = "text/html; charset=windows-1252";

ConnectionGate::Limits gateLimits(const HttpFront::Options& options) {
  ConnectionGate::Limits limits;
  limits.perAddress = options.behindProxy ? 0 : options.perAddress;
  limits.maxBodyBytes = kMaxOrderRequestBytes;
  return limits;
}

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

HttpFront::HttpFront(OrderDesk& desk, const DownloadVault& downloads, Options options)
    : desk_(desk),
      downloads_(downloads),
      origins_(std::move(options.serverOrigins)),
      behindProxy_(options.behindProxy),
      gate_(gateLimits(options), [this](std::string_view request, httplib::Stream& stream) {
        return !sendDownload(downloads_, request, stream) && router_.answer(stream);
      }) {
  router_.set_payload_max_length(kMaxOrderRequestBytes);
  router_.Post("/order", [this](const httplib::Request& request, httplib::Response& response) {
    takeOrder(request, response);
  });
  router_.Options("/order", [this](const httplib::Request& request, httplib::Response& response) {
    answerPreflight(request, response);
  });
  router_.Get("/health", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("ok\n", "text/plain");
  });
}

bool HttpFront::Router::answer(httplib::Stream& stream) {
  bool closed = false;
  const bool answered = process_request(stream, /*close_connection=*/false, closed, nullptr);
  return answered && !closed;
}

int HttpFront::bind(const std::string& host, int port) {
  int bound = -1;
  if (Status listening = gate_.listen(host, port, bound); !listening.ok()) {
    std::cerr << listening.message() << "\n";
    return -1;
  }
  return bound;
}

bool HttpFront::serve() { return gate_.run(); }

void HttpFront::stop() { gate_.stop(); }

void HttpFront::allowOrigin(const httplib::Request& request,
                            const std::vector<std::string>& shopOrigins,
                            httplib::Response& response) const {
  const std::string origin = request.get_header_value("Origin");
  if (!origins_.allows(origin, shopOrigins)) return;
  response.set_header("Access-Control-Allow-Origin", origin);
  response.set_header("Vary", "Origin");
}

std::string HttpFront::clientAddress(const httplib::Request& request) const {
  const std::string forwarded = request.get_header_value("X-Forwarded-For");
  if (!behindProxy_ || forwarded.empty()) return request.remote_addr;
  const size_t comma = forwarded.rfind(',');
  return std::string(trim(comma == std::string::npos ? forwarded : forwarded.substr(comma + 1)));
}

void HttpFront::answerPreflight(const httplib::Request& request, httplib::Response& response) {
  allowOrigin(request, desk_.shopOriginsOf(request.get_param_value("vendor")), response);
  response.set_header("Access-Control-Allow-Methods", "POST");
  response.set_header("Access-Control-Allow-Headers", "Content-Type");
  response.set_header("Access-Control-Max-Age", "600");
  response.status = 204;
}

void HttpFront::takeOrder(const httplib::Request& request, httplib::Response& response) {
  const OrderReply reply = desk_.take(request.body, clientAddress(request),
                                      request.get_header_value("User-Agent"));
  allowOrigin(request, reply.shopOrigins, response);
  response.status = reply.httpStatus;
  if (request.get_header_value("Accept").find("application/json") != std::string::npos) {
    response.set_content(jsonReply(reply), "application/json");
  } else {
    response.set_content(reply.page, kHtmlType);
  }
}

}  // namespace quorvex
