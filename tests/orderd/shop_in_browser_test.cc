// The sample shop as a visitor uses it: published to a local order server,
// served by `quorvex-cli serve`, driven in headless Chromium by
// tests/browser/shop_scenario.mjs (puppeteer-core), its order then fetched
// into the sales logs with `fetch-logs`; its pages checked against the HTML
// standard by tests/browser/validate_pages.mjs (html-validate).
//
// Without node, chromium or the scenario's npm packages (scripts/setup.sh
// installs them) the test is skipped, or fails when QUORVEX_REQUIRE_BROWSER
// is 1. QUORVEX_SHOP_SCREENSHOTS names a folder for the scenario's pictures
// (scripts/screenshots-shop.sh).

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <regex>

#include "support/order_loop.h"
#include "support/python_process.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::OrderLoop;

// A loopback port that is free now.
int freePort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
    port = ntohs(address.sin_port);
  }
  ::close(fd);
  return port;
}

struct CommandResult {
  int exitStatus = -1;
  std::string output;
};

// Runs `command` in the shell, collecting its standard output and error.
CommandResult runShell(const std::string& command) {
  CommandResult result;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  size_t read;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
    result.output.append(buffer.data(), read);
  }
  const int status = ::pclose(pipe);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// What is missing to run the scenario, or empty.
std::string missingTool() {
  if (runShell("command -v node").exitStatus != 0) return "node is not installed";
  if (runShell("command -v chromium").exitStatus != 0) return "chromium is not installed";
  for (const char* package : {"puppeteer-core", "html-validate"}) {
    if (!fs::exists(fs::path(QUORVEX_BROWSER_TESTS_DIR) / "node_modules" / package)) {
      return std::string(package) +
             " is not installed (scripts/setup.sh runs npm ci in tests/browser)";
    }
  }
  return "";
}

TEST(ShopInBrowser, AVisitorBuysAndTheOrderReachesTheSalesLogs) {
  if (const std::string missing = missingTool(); !missing.empty()) {
    const char* require = std::getenv("QUORVEX_REQUIRE_BROWSER");
    if (require != nullptr && std::string(require) == "1") FAIL() << missing;
    GTEST_SKIP() << missing;
  }
  const int webPort = freePort();
  ASSERT_NE(webPort, 0);
  const std::string shopUrl = "http://127.0.0.1:" + std::to_string(webPort) + "/";
  OrderLoop loop(/*besideFtp=*/true, shopUrl.substr(0, shopUrl.size() - 1));
  ASSERT_TRUE(loop.started()) << "a server did not start";
  const testing::CliResult published = loop.cli("publish");
  ASSERT_EQ(published.exit_status, 0) << published.err;
  const CommandResult validated =
      runShell("cd " + quoted(QUORVEX_BROWSER_TESTS_DIR) + " && node validate_pages.mjs " +
               quoted(loop.siteFolder().string()));
  EXPECT_EQ(validated.exitStatus, 0) << validated.output;

  testing::PythonProcess serve(
      "run_while_input_open.py",
      {QUORVEX_CLI_PATH, "--home", loop.home().string(), "serve", loop.document().string(),
       "--port", std::to_string(webPort)});
  std::string line = serve.readLine();
  for (int wait = 0; line.empty() && wait < 6; ++wait) line = serve.readLine();
  ASSERT_EQ(line, "Serving " + shopUrl + " (Ctrl-C stops)");

  const char* shots = std::getenv("QUORVEX_SHOP_SCREENSHOTS");
  const CommandResult visit = runShell(
      "cd " + quoted(QUORVEX_BROWSER_TESTS_DIR) + " && node shop_scenario.mjs " + quoted(shopUrl) +
      " " + quoted(QUORVEX_SAMPLE_DIR) + (shots ? " " + quoted(shots) : ""));
  ASSERT_EQ(visit.exitStatus, 0) << visit.output;
  std::smatch order;
  ASSERT_TRUE(std::regex_search(visit.output, order, std::regex(R"(ORDER (\d{6}) ([0-9.]+))")))
      << visit.output;

  const testing::CliResult fetched = loop.cli("fetch-logs");
  ASSERT_EQ(fetched.exit_status, 0) << fetched.err;
  // Each order is one line of the header log.
  const std::string header = "\n" + testing::readFile(loop.siteFolder() / "header.csv");
  const size_t start = header.find("\n" + order[1].str() + ",");
  ASSERT_NE(start, std::string::npos) << header;
  const std::string orderLine = header.substr(start + 1, header.find('\n', start + 1) - start);
  EXPECT_NE(orderLine.find("Ann,Lee,1 Pike St"), std::string::npos) << header;
  EXPECT_NE(orderLine.find("," + order[2].str()), std::string::npos) << header;
}

}  // namespace
}  // namespace quorvex
