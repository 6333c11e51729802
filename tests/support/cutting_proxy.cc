#include "support/cutting_proxy.h"

#include "support/ftp_server.h"

namespace quorvex::testing {

CuttingProxy::CuttingProxy(int serverPort)
    : process_("cutting_proxy.py", {std::to_string(serverPort)}),
      port_(portOfLine(process_.readLine())) {}

void CuttingProxy::cutAfter(long bytes) {
  process_.writeLine("cut " + std::to_string(bytes));
  process_.readLine();
}

bool CuttingProxy::wasCut() {
  process_.writeLine("status");
  return process_.readLine() == "CUT";
}

}  // namespace quorvex::testing
