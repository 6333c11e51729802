// quorvex-orderd: the order server the generated shops post their orders to.
//
//   quorvex-orderd --data DIR --listen HOST:PORT
//                  [--smtp URL [--smtp-user U --smtp-password-file F] | --outbox DIR]
//                  [--allow-origin ORIGIN]... [--public-url URL] [--spool DIR]
//                  [--per-address N] [--behind-proxy]
//
// Prints "PORT <n>" once it listens (PORT 0 picks a free port) and serves
// until SIGINT or SIGTERM.
#include <curl/curl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <charconv>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "orderd/download_vault.h"
#include "orderd/http_front.h"
#include "orderd/mail_spool.h"
#include "orderd/merchant_folders.h"
#include "orderd/order_desk.h"
#include "orderd/outbox_mailer.h"
#include "orderd/smtp_mailer.h"

namespace {

using namespace quorvex;

constexpr char kUsage[] =
    "usage: quorvex-orderd --data DIR --listen HOST:PORT\n"
    "                      [--smtp URL [--smtp-user U --smtp-password-file F] | --outbox DIR]\n"
    "                      [--allow-origin ORIGIN]... [--public-url URL] [--spool DIR]\n"
    "                      [--per-address N] [--behind-proxy]\n";

struct Options {
  std::string data;
  std::string host;
  int port = -1;
  std::string smtpUrl;
  std::string smtpUser;
  std::string smtpPasswordFile;
  std::string outbox;
  // What the download links start with; http://HOST:PORT when empty.
  std::string publicUrl;
  // Where mails wait to be sent; DATA/.mail-spool when empty.
  std::string spool;
  HttpFront::Options front;
};

// `text` as a whole number from 0 up, or nullopt.
std::optional<int> wholeNumber(const std::string& text) {
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0) {
    return std::nullopt;
  }
  return number;
}

// Lets the server hold as many connections as the system allows a process.
void raiseOpenFileLimit() {
  rlimit limit{};
  if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
    limit.rlim_cur = limit.rlim_max;
    ::setrlimit(RLIMIT_NOFILE, &limit);
  }
}

std::optional<Options> parseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--behind-proxy") {
      options.front.behindProxy = true;
      continue;
    }
    if (i + 1 >= argc) return std::nullopt;
    const std::string value = argv[++i];
    if (name == "--data") {
      options.data = value;
    } else if (name == "--listen") {
      const size_t colon = value.rfind(':');
      if (colon == std::string::npos) return std::nullopt;
      options.host = value.substr(0, colon);
      options.port = wholeNumber(value.substr(colon + 1)).value_or(-1);
    } else if (name == "--smtp") {
      options.smtpUrl = value;
    } else if (name == "--smtp-user") {
      options.smtpUser = value;
    } else if (name == "--smtp-password-file") {
      options.smtpPasswordFile = value;
    } else if (name == "--outbox") {
      options.outbox = value;
    } else if (name == "--allow-origin") {
      options.front.serverOrigins.push_back(value);
    } else if (name == "--public-url") {
      options.publicUrl = value;
    } else if (name == "--spool") {
      options.spool = value;
    } else if (name == "--per-address") {
      const std::optional<int> count = wholeNumber(value);
      if (!count || *count < 1) return std::nullopt;
      options.front.perAddress = static_cast<size_t>(*count);
    } else {
      return std::nullopt;
    }
  }
  const bool oneMailer = options.smtpUrl.empty() != options.outbox.empty();
  if (options.data.empty() || options.port < 0 || options.port > 65535 || !oneMailer) {
    return std::nullopt;
  }
  return options;
}

// The first line of the password file, or nullopt when it cannot be read.
std::optional<std::string> readPassword(const std::string& file) {
  if (file.empty()) return std::string();
  std::ifstream in(file);
  std::string password;
  if (!in || !std::getline(in, password)) return std::nullopt;
  return password;
}

// Serves orders until one of `stopSignals` arrives; returns the exit status.
int serveOrders(const Options& options, Mailer& mailer, sigset_t stopSignals) {
  MerchantFolders merchants(options.data);
  DownloadVault downloads(merchants);
  MailSpool spool(options.spool.empty() ? std::filesystem::path(options.data) / ".mail-spool"
                                         : std::filesystem::path(options.spool),
                  mailer);
  if (Status started = spool.start(); !started.ok()) {
    std::cerr << started.message() << "\n";
    return 1;
  }
  OrderDesk desk(merchants, spool, downloads);
  HttpFront front(desk, downloads, options.front);
  const int port = front.bind(options.host, options.port);
  if (port < 0) return 1;
  downloads.setPublicUrl(!options.publicUrl.empty()
                             ? options.publicUrl
                             : "http://" + options.host + ":" + std::to_string(port));
  std::cout << "PORT " << port << std::endl;
  std::thread stopper([&] {
    int received = 0;
    sigwait(&stopSignals, &received);
    front.stop();
  });
  stopper.detach();
  return front.serve() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = parseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  std::unique_ptr<Mailer> mailer;
  if (!options->outbox.empty()) {
    std::error_code error;
    std::filesystem::create_directories(options->outbox, error);
    if (error) {
      std::cerr << "Cannot make the outbox " << options->outbox << ": " << error.message() << "\n";
      return 1;
    }
    mailer = std::make_unique<OutboxMailer>(options->outbox);
  } else {
    const std::optional<std::string> password = readPassword(options->smtpPasswordFile);
    if (!password) {
      std::cerr << "Cannot read the password file " << options->smtpPasswordFile << "\n";
      return 1;
    }
    mailer = std::make_unique<SmtpMailer>(options->smtpUrl, options->smtpUser, *password);
  }
  if (!std::filesystem::is_directory(options->data)) {
    std::cerr << "The data folder " << options->data << " does not exist.\n";
    return 1;
  }
  curl_global_init(CURL_GLOBAL_DEFAULT);

  // The signals are taken by one thread, which stops the server; every
  // other thread inherits the blocked mask.
  sigset_t stopSignals;
  sigemptyset(&stopSignals);
  sigaddset(&stopSignals, SIGINT);
  sigaddset(&stopSignals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
  signal(SIGPIPE, SIG_IGN);

  raiseOpenFileLimit();
  const int status = serveOrders(*options, *mailer, stopSignals);
  curl_global_cleanup();
  return status;
}
