// The command that generates a company's site: the save-site run on a worker
// thread, with its progress on stderr.

#include <spawn.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "cli/cli_command.h"
#include "cli/site_build.h"
#include "app/site_server.h"
#include "publish/order_server.h"

extern char** environ;

namespace quorvex::cli {
namespace {

std::atomic<bool> stopServing{false};

void onStopServing(int) { stopServing = true; }

// Opens `address` with the desktop's default handler without waiting for it;
// tells the user to open it when there is none.
void openAddress(const std::string& address) {
  std::string text = address;
  char* argv[] = {const_cast<char*>("xdg-open"), text.data(), nullptr};
  pid_t child = 0;
  if (::posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "Open %s in your browser.\n", address.c_str());
  }
}

// Serves the built site of `site` on 127.0.0.1:`port` until SIGINT or
// SIGTERM, printing its address (and opening it with `open`).
int serveSite(SiteBuild& site, int port, bool open) {
  CBrenquilDoc& doc = site.doc();
  SiteServer server(*doc.m_pWebFileList, site.env().home(), doc.m_pSiteTemplate->isAddOn());
  const int bound = server.bind(port);
  if (bound <= 0) return failure("cannot listen on 127.0.0.1:" + std::to_string(port));
  const std::string address = "http://127.0.0.1:" + std::to_string(bound) + "/";
  std::printf("Serving %s (Ctrl-C stops)\n", address.c_str());
  const std::string orders = orderPostAddress(orderServerHost(site.env().settings()));
  if (!orders.empty()) std::printf("The shop sends its orders to %s\n", orders.c_str());
  std::fflush(stdout);
  if (open) openAddress(address);
  stopServing = false;
  auto previousInt = std::signal(SIGINT, onStopServing);
  auto previousTerm = std::signal(SIGTERM, onStopServing);
  std::thread watcher([&server] {
    while (!stopServing) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    server.stop();
  });
  server.run();
  stopServing = true;
  watcher.join();
  std::signal(SIGINT, previousInt);
  std::signal(SIGTERM, previousTerm);
  return kExitSuccess;
}

// What build and serve were asked: the document, build's --view and serve's
// --port.
struct SiteRequest {
  std::string file;
  bool view = false;
  int32_t port = 0;
};

// Reads DOC.qvx and the options of build (`serving` false: --view) or serve
// (--port N); nullopt after the usage error was printed.
std::optional<SiteRequest> readSiteRequest(const CliContext& context, bool serving) {
  SiteRequest request;
  const std::vector<std::string>& args = context.args;
  for (size_t i = 0; i < args.size(); ++i) {
    if (!serving && args[i] == "--view") {
      request.view = true;
    } else if (serving && args[i] == "--port" && i + 1 < args.size()) {
      std::optional<int32_t> port = numberIn(args[++i], 0, 65535);
      if (!port) {
        usageError(context, "--port takes a number from 0 to 65535");
        return std::nullopt;
      }
      request.port = *port;
    } else if (request.file.empty() && !args[i].starts_with("-")) {
      request.file = args[i];
    } else {
      usageError(context, "unexpected argument " + args[i]);
      return std::nullopt;
    }
  }
  if (request.file.empty()) {
    usageError(context, "missing DOC.qvx");
    return std::nullopt;
  }
  return request;
}

// Builds the site of the requested document; with --port (serve) or --view
// (build) it is then served.
int buildSite(CliContext& context, bool serving) {
  std::optional<SiteRequest> request = readSiteRequest(context, serving);
  if (!request) return kExitUsage;
  SiteBuild site(context.env);
  if (int result = site.open(request->file)) return result;
  if (int result = site.build()) return result;
  if (serving) return serveSite(site, request->port, false);
  std::printf("%s\n", site.indexPage().string().c_str());
  // The shop's frames share their data only over HTTP: the site is viewed
  // through the local server.
  if (request->view) return serveSite(site, 0, true);
  return kExitSuccess;
}

int runBuild(CliContext& context) { return buildSite(context, false); }

int runServe(CliContext& context) { return buildSite(context, true); }

}  // namespace

void addBuildCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"build", "DOC.qvx [--view]", "Generate a company's site into its site folder.",
       "Saves the web site locally: loads the site and style templates, reads the product\n"
       "rows, writes every page, picture and order file into the site folder\n"
       "(<home>/<company>/), and brings the document's published-file lists up to date,\n"
       "removing files the site no longer has. Template, picture and file problems are\n"
       "reported and the build goes on. On success the document is saved and the index\n"
       "page's path printed; --view then serves the site as `serve` does and opens its\n"
       "address in the browser.\n"
       "Progress goes to stderr: a redrawn line on a terminal, else one line per step.\n"
       "Ctrl-C stops the build at its next stop point (exit status 130); a failed build\n"
       "prints its error and exits with 1. An add-on site needs its existing site's\n"
       "location first (set-site --location).\n",
       runBuild});
  commands.push_back(
      {"serve", "DOC.qvx [--port N]", "Build a company's site and serve it on this machine.",
       "Builds the site as `build` does, then serves it on 127.0.0.1 (port N, or a free\n"
       "one) the way its web server will: only the files of the web file list, under\n"
       "their published names; the order server's files are not served. Prints the\n"
       "address and where the shop sends its orders (a local order server, see\n"
       "QUORVEX_ORDER_SERVER). Runs until Ctrl-C.\n",
       runServe});
}

}  // namespace quorvex::cli
