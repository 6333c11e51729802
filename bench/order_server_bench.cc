// The order loop under load: ORDERS orders (default 1,000) posted by
// CLIENTS concurrent clients (default 50) to quorvex-orderd on loopback
// while the owner's fetch-logs runs every second against the real FTP
// server, and SLOW connections (default 0) from another address send their
// headers one byte every two seconds (the order server holds as many of them
// as it lets one address hold, and refuses the rest). Every order is on disk (fsync) before
// it is answered. Prints throughput and latency and how long the mails took
// to reach the SMTP sink, then checks that every accepted order is in the
// fetched CSV files exactly once (none lost, none doubled) and exits 1 when
// one is not.
//   order_server_bench [ORDERS] [CLIENTS] [SLOW]

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/order_loop.h"
#include "support/raw_connection.h"

namespace fs = std::filesystem;
using namespace quorvex::testing;
using Clock = std::chrono::steady_clock;

namespace {

// How often each order number starts a line of `file`.
std::map<std::string, int> orderLines(const fs::path& file) {
  std::map<std::string, int> counts;
  std::istringstream lines(readFile(file));
  for (std::string line; std::getline(lines, line);) ++counts[line.substr(0, line.find(','))];
  return counts;
}

// Checks that `file` holds `perOrder` lines of each accepted order and no
// other line; prints what is wrong.
bool holdsEachOnce(const fs::path& file, const std::vector<std::string>& accepted, int perOrder) {
  std::map<std::string, int> counts = orderLines(file);
  bool ok = counts.size() == accepted.size();
  for (const std::string& order : accepted) {
    if (counts[order] != perOrder) {
      std::printf("%s: order %s has %d lines\n", file.filename().c_str(), order.c_str(),
                  counts[order]);
      ok = false;
    }
  }
  if (counts.size() != accepted.size()) {
    std::printf("%s: %zu orders for %zu accepted\n", file.filename().c_str(), counts.size(),
                accepted.size());
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const int orders = argc > 1 ? std::atoi(argv[1]) : 1000;
  const int clients = argc > 2 ? std::atoi(argv[2]) : 50;
  const int slowClients = argc > 3 ? std::atoi(argv[3]) : 0;
  // The clients are shoppers at other addresses, but all connect from
  // 127.0.0.1 here: the order server lets this one address hold them all.
  OrderLoop loop(false, "", {"--per-address", std::to_string(clients + 16)});
  if (!loop.started() || loop.cli("publish").exit_status != 0) {
    std::printf("the order loop did not start\n");
    return 1;
  }
  const std::string body =
      sampleOrderJson({{"TENT-2P", 1, "249.00"}, {"BIVY", 2, "129.00"}}, "Ann", "WA", "Ground");

  std::atomic<int> next{0};
  std::atomic<bool> posting{true};
  std::mutex mutex;
  std::vector<std::string> accepted;
  std::vector<double> latencies;
  int failures = 0;
  int fetches = 0;

  std::vector<std::unique_ptr<RawConnection>> slow;
  for (int n = 0; n < slowClients; ++n) {
    slow.push_back(std::make_unique<RawConnection>("127.0.0.2", loop.orderPort()));
  }
  std::thread trickle([&] {
    const std::string request = "POST /order HTTP/1.1\r\nHost: x\r\nContent-Length: 10\r\n";
    for (size_t at = 0; posting; at = (at + 1) % request.size()) {
      for (auto& connection : slow) {
        if (connection->connected()) connection->send(request.substr(at, 1));
      }
      for (int tick = 0; tick < 20 && posting; ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    }
  });
  std::thread fetcher([&] {
    while (posting) {
      const auto due = Clock::now() + std::chrono::seconds(1);
      loop.cli("fetch-logs");
      ++fetches;
      std::this_thread::sleep_until(due);
    }
  });
  const auto start = Clock::now();
  std::vector<std::thread> threads;
  for (int c = 0; c < clients; ++c) {
    threads.emplace_back([&] {
      httplib::Client client("127.0.0.1", loop.orderPort());
      client.set_read_timeout(30, 0);
      while (next++ < orders) {
        const auto sent = Clock::now();
        httplib::Result reply =
            client.Post("/order", {{"Accept", "application/json"}}, body, "text/plain");
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
        std::lock_guard lock(mutex);
        latencies.push_back(ms);
        if (reply && reply->status == 200) {
          accepted.push_back(nlohmann::json::parse(reply->body)["order"].get<std::string>());
        } else {
          if (failures++ < 3) {
            std::printf("failed: %s\n", reply ? reply->body.c_str()
                                               : httplib::to_string(reply.error()).c_str());
          }
        }
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  posting = false;
  fetcher.join();
  trickle.join();
  // The mails: two for each order.
  const size_t mails = loop.mails(2 * accepted.size(), std::chrono::seconds(120)).size();
  const double mailSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  // Whatever arrived after the last download.
  loop.cli("fetch-logs");

  std::sort(latencies.begin(), latencies.end());
  auto percentile = [&](double p) {
    return latencies[std::min(latencies.size() - 1, static_cast<size_t>(p * latencies.size()))];
  };
  std::printf("%d orders from %d clients in %.2f s: %.0f orders/s\n", orders, clients, seconds,
              orders / seconds);
  std::printf("latency p50 %.1f ms, p99 %.1f ms, max %.1f ms; %d downloads during the run; "
              "%d slow connections\n",
              percentile(0.50), percentile(0.99), latencies.back(), fetches, slowClients);
  std::printf("%zu of %zu mails at the SMTP sink %.2f s after the first order\n", mails,
              2 * accepted.size(), mailSeconds);
  bool ok = failures == 0 && mails == 2 * accepted.size();
  if (failures) std::printf("%d orders failed\n", failures);
  ok = holdsEachOnce(loop.siteFolder() / "header.csv", accepted, 1) && ok;
  ok = holdsEachOnce(loop.siteFolder() / "items.csv", accepted, 2) && ok;
  ok = holdsEachOnce(loop.siteFolder() / "payment.csv", accepted, 1) && ok;
  ok = holdsEachOnce(loop.siteFolder() / "misc.csv", accepted, 1) && ok;
  std::printf("%s\n", ok ? "every order fetched exactly once" : "ORDERS LOST OR DOUBLED");
  return ok ? 0 : 1;
}
