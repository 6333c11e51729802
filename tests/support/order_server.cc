#include "support/order_server.h"

#include "support/ftp_server.h"

namespace quorvex::testing {

namespace {

std::vector<std::string> sinkArguments(const std::filesystem::path& folder, int port) {
  std::vector<std::string> args = {folder.string()};
  if (port != 0) args.push_back(std::to_string(port));
  return args;
}

std::vector<std::string> orderServerArguments(const std::filesystem::path& data,
                                              const std::string& smtpUrl, int port,
                                              const std::vector<std::string>& arguments) {
  std::vector<std::string> args = {QUORVEX_ORDERD_PATH, "--data", data.string(),
                                   "--listen", "127.0.0.1:" + std::to_string(port),
                                   "--smtp", smtpUrl};
  args.insert(args.end(), arguments.begin(), arguments.end());
  return args;
}

}  // namespace

SmtpSink::SmtpSink(const std::filesystem::path& folder, int port)
    : process_("smtp_sink.py", sinkArguments(folder, port)) {
  port_ = portOfLine(process_.readLine());
}

OrderServer::OrderServer(const std::filesystem::path& data, const std::string& smtpUrl, int port,
                         const std::vector<std::string>& arguments)
    : process_("run_while_input_open.py", orderServerArguments(data, smtpUrl, port, arguments)) {
  port_ = portOfLine(process_.readLine());
}

bool OrderServer::kill() {
  process_.writeLine("KILL");
  return process_.readLine() == "KILLED";
}

}  // namespace quorvex::testing
