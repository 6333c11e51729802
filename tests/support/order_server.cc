#include "support/order_server.h"

#include "support/ftp_server.h"

namespace quorvex::testing {

SmtpSink::SmtpSink(const std::filesystem::path& folder)
    : process_("smtp_sink.py", {folder.string()}) {
  port_ = portOfLine(process_.readLine());
}

OrderServer::OrderServer(const std::filesystem::path& data, const std::string& smtpUrl)
    : process_("run_while_input_open.py", {QUORVEX_ORDERD_PATH, "--data", data.string(),
                                           "--listen", "127.0.0.1:0", "--smtp", smtpUrl}) {
  port_ = portOfLine(process_.readLine());
}

}  // namespace quorvex::testing
