// The sample shop as a visitor uses it, set up as the README's local set-up
// says: scripts/run-order-server.sh runs the order server (its FTP half
// holding the web and the merchant accounts of DIR/users), the shop is
// published to it with QUORVEX_ORDER_SERVER and served by `quorvex-cli
// serve`, and tests/browser/shop_scenario.mjs (puppeteer-core) drives it in
// headless Chromium; its orders are then fetched into the sales logs with
// `fetch-logs`. The pages are checked against the HTML standard by
// tests/browser/validate_pages.mjs (html-validate).
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
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "support/python_process.h"
#include "support/run_cli.h"
#include "support/sample_company.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

constexpr char kVendor[] = "acmeoutd";

// Whether a loopback port is free now.
bool portFree(int port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool free = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return free;
}

// A free loopback port whose `following` next ports are free too.
int freePorts(int following) {
  for (int port = 20000 + ::getpid() % 20000; port < 60000; port += following + 1) {
    bool free = true;
    for (int next = 0; next <= following && free; ++next) free = portFree(port + next);
    if (free) return port;
  }
  return 0;
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

// Sets the environment variable `name` while the object lives.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() { ::unsetenv(name_); }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
};

// Reads lines of `process` until one starts with `prefix` and returns it;
// empty when the process printed none within a minute.
std::string lineStarting(testing::PythonProcess& process, const std::string& prefix) {
  for (int quiet = 0; quiet < 6;) {
    const std::string line = process.readLine();
    if (line.empty()) ++quiet;
    if (line.rfind(prefix, 0) == 0) return line;
  }
  return "";
}

TEST(ShopInBrowser, AVisitorBuysAndEachOrderIsRecordedOnce) {
  if (const std::string missing = missingTool(); !missing.empty()) {
    const char* require = std::getenv("QUORVEX_REQUIRE_BROWSER");
    if (require != nullptr && std::string(require) == "1") FAIL() << missing;
    GTEST_SKIP() << missing;
  }
  testing::TempDir home;
  testing::TempDir servers;
  const int ftpPort = freePorts(2);  // the FTP server, the order server, the shop
  ASSERT_NE(ftpPort, 0);
  const int webPort = ftpPort + 2;
  const std::string shopUrl = "http://127.0.0.1:" + std::to_string(webPort) + "/";

  // The local order server, with the web account beside the merchant's.
  servers.write("users", std::string(kVendor) + ":orderpw1\nweb:webpass\n");
  const ScopedEnv orderd("QUORVEX_ORDERD",
                         (fs::path(QUORVEX_CLI_PATH).parent_path() / "quorvex-orderd").string());
  testing::PythonProcess orderServer(
      "run_while_input_open.py",
      {"bash",
       (fs::path(QUORVEX_BROWSER_TESTS_DIR).parent_path().parent_path() / "scripts" /
        "run-order-server.sh")
           .string(),
       servers.path().string(), std::to_string(ftpPort)});
  for (const char* half : {"FTP", "HTTP"}) {
    ASSERT_NE(lineStarting(orderServer, "PORT "), "")
        << "the order server's " << half << " half did not start";
  }

  // Published as the README's walk-through publishes.
  const ScopedEnv config("XDG_CONFIG_HOME", home.path().string());
  const ScopedEnv orderServerHost("QUORVEX_ORDER_SERVER", "127.0.0.1:" + std::to_string(ftpPort));
  const std::string document = testing::installSampleCompany(home.path()).string();
  const auto cli = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home.path().string()});
    args.insert(args.begin() + 3, document);
    return testing::runCli(args);
  };
  const testing::CliResult set =
      cli({"set", "server.host=127.0.0.1:" + std::to_string(ftpPort), "server.user=web",
           "server.password=webpass", std::string("server.vendorId=") + kVendor,
           "server.vendorPassword=orderpw1", "server.orderEmail=orders@acme-outdoor.example"});
  ASSERT_EQ(set.exit_status, 0) << set.err;
  const testing::CliResult published = cli({"publish"});
  ASSERT_EQ(published.exit_status, 0) << published.err;
  const fs::path site = home.path() / testing::kSampleCompany;
  const CommandResult validated = runShell("cd " + quoted(QUORVEX_BROWSER_TESTS_DIR) +
                                           " && node validate_pages.mjs " + quoted(site.string()));
  EXPECT_EQ(validated.exitStatus, 0) << validated.output;

  testing::PythonProcess serve(
      "run_while_input_open.py",
      {QUORVEX_CLI_PATH, "--home", home.path().string(), "serve", document, "--port",
       std::to_string(webPort)});
  ASSERT_EQ(lineStarting(serve, "Serving"), "Serving " + shopUrl + " (Ctrl-C stops)");

  const char* shots = std::getenv("QUORVEX_SHOP_SCREENSHOTS");
  const CommandResult visit = runShell(
      "cd " + quoted(QUORVEX_BROWSER_TESTS_DIR) + " && node shop_scenario.mjs " + quoted(shopUrl) +
      " " + quoted(QUORVEX_SAMPLE_DIR) + " " + quoted((servers.path() / kVendor).string()) +
      (shots ? " " + quoted(shots) : ""));
  ASSERT_EQ(visit.exitStatus, 0) << visit.output;
  // The scenario's orders: number and grand total.
  std::map<std::string, std::string> orders;
  const std::regex orderLine(R"(ORDER (\d{6}) ([0-9.]+))");
  for (auto it = std::sregex_iterator(visit.output.begin(), visit.output.end(), orderLine);
       it != std::sregex_iterator(); ++it) {
    orders[(*it)[1]] = (*it)[2];
  }
  ASSERT_EQ(orders.size(), 3u) << visit.output;

  // Each order is one line of the header log, and nothing else is there.
  const testing::CliResult fetched = cli({"fetch-logs"});
  ASSERT_EQ(fetched.exit_status, 0) << fetched.err;
  const std::string header = testing::readFile(site / "header.csv");
  std::map<std::string, std::string> logged;
  size_t lines = 0;
  for (size_t start = 0, end; start < header.size(); start = end + 1) {
    end = header.find('\n', start);
    if (end == std::string::npos) end = header.size();
    const std::string line = header.substr(start, end - start);
    if (line.empty() || line == "\r") continue;
    ++lines;
    logged[line.substr(0, line.find(','))] = line;
  }
  ASSERT_EQ(lines, orders.size()) << header;
  ASSERT_EQ(logged.size(), orders.size()) << header;
  for (const auto& [number, total] : orders) {
    EXPECT_NE(logged[number].find("Ann,Lee,"), std::string::npos) << header;
    EXPECT_NE(logged[number].find("," + total), std::string::npos) << number << "\n" << header;
  }
}

}  // namespace
}  // namespace quorvex
