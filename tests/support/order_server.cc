#include "support/order_server.h"

#include "support/ftp_server.h"

namespace quorvex::testing {

SmtpSink::SmtpSink(const std::filesystem::path& folder)
    : process_("smtp_sink.py", {folder.string()}) {
  port_ = portOfLine(process_.readLine());
}

namespace {

std::vector<std::string> orderServerArguments(const std::filesystem::path& data,
                                              const std::string& smtpUrl, int port,
                                              const std::string& allowedOrigin) {
  std::vector<std::string> args = {QUORVEX_ORDERD_PATH, "--data", data.string(),
                                   "--listen", "127.0.0.1:" + std::to_string(port),
                                   "--smtp", smtpUrl};
  if (!allowedOrigin.empty()) {
    args.push_back("--allow-origin");
    args.push_back(allowedOrigin);
  }
  return args;
}

}  // namespace

OrderServer::OrderServer(const std::filesystem::path& data, const std::string& smtpUrl, int port,
                         const std::string& allowedOrigin)
    : process_("run_while_input_open.py",
               orderServerArguments(data, smtpUrl, port, allowedOrigin)) {
  port_ = portOfLine(process_.readLine());
}

}  // namespace quorvex::testing
