// The order server under faults, with real servers on loopback: a crash in
// the middle of many orders, the mail server down for a while, clients
// that send slowly.

#include <httplib.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <iostream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <nlohmann/json.hpp>
#include <thread>

#include "support/order_loop.h"
#include "support/raw_connection.h"

namespace quorvex {
namespace {

using nlohmann::json;
using testing::OrderLoop;
using testing::readFile;
using testing::sampleOrderJson;

// Starts the loop and publishes the sample company; true when the order
// server then answers. This first request of the process comes before any
// test thread: the HTTP library sets up its parsers then.
bool publishedAndHealthy(const OrderLoop& loop) {
  if (!loop.started() || loop.cli("publish").exit_status != 0) return false;
  httplib::Client client("127.0.0.1", loop.orderPort());
  httplib::Result health = client.Get("/health");
  return health && health->body == "ok\n";
}

std::string keyedOrder(int n) {
  json order = json::parse(sampleOrderJson({{"BIVY", 1, "129.00"}}, "Kim", "WA", "Ground"));
  order["orderKey"] = "fault-test-order-" + std::to_string(100000 + n);
  return order.dump();
}

TEST(OrderServerFaults, ACrashLosesNoAnsweredOrderNorItsMail) {
  OrderLoop loop;
  ASSERT_TRUE(publishedAndHealthy(loop));
  constexpr int kOrders = 300;
  constexpr int kClients = 6;
  std::atomic<int> port{loop.orderPort()};
  std::atomic<int> answered{0};
  std::mutex numbersMutex;
  std::map<int, std::string> numbers;  // by order, the number it was answered with
  std::vector<std::thread> clients;
  for (int c = 0; c < kClients; ++c) {
    clients.emplace_back([&, c] {
      for (int n = c; n < kOrders; n += kClients) {
        // A client whose order got no answer sends it again, with its key.
        for (int attempt = 0; attempt < 200; ++attempt) {
          httplib::Client client("127.0.0.1", port);
          client.set_read_timeout(10, 0);
          httplib::Result reply =
              client.Post("/order", {{"Accept", "application/json"}}, keyedOrder(n), "text/plain");
          if (reply && reply->status == 200) {
            std::lock_guard<std::mutex> lock(numbersMutex);
            numbers[n] = json::parse(reply->body)["order"].get<std::string>();
            ++answered;
            break;
          }
          std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
      }
    });
  }
  while (answered < kOrders / 3) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const bool restarted = loop.crashAndRestartOrderServer();
  port = loop.orderPort();
  for (std::thread& client : clients) client.join();
  ASSERT_TRUE(restarted);
  ASSERT_EQ(numbers.size(), static_cast<size_t>(kOrders));

  // Every answered order is in the logs, and both its mails arrive.
  const std::string header = "\n" + readFile(loop.merchantFolder() / ".logFile" / "header.dat");
  std::set<std::string> distinct;
  for (const auto& [n, number] : numbers) {
    EXPECT_NE(header.find("\n" + number + ","), std::string::npos) << number;
    distinct.insert(number);
  }
  // A retried order is answered with its first number, and recorded once,
  // even when the crash cut it short.
  EXPECT_EQ(distinct.size(), numbers.size());
  const size_t recorded = std::count(header.begin(), header.end(), '\n') - 1;
  EXPECT_EQ(recorded, numbers.size());
  const std::vector<std::string> mails = loop.mails(2 * recorded);
  EXPECT_GE(mails.size(), 2 * recorded);
  std::string subjects;
  for (const std::string& mail : mails) {
    const size_t subject = mail.find("\r\nSubject: ");
    subjects += mail.substr(subject, mail.find('\r', subject + 2) - subject) + "\n";
  }
  for (const std::string& number : distinct) {
    EXPECT_NE(subjects.find("Subject: Order " + number + "\n"), std::string::npos) << number;
    EXPECT_NE(subjects.find("Subject: Your order " + number + " from"), std::string::npos)
        << number;
  }
  std::cout << "orders recorded " << recorded << ", answered " << numbers.size() << "\n";
}

TEST(OrderServerFaults, MailWaitsWhileTheMailServerIsDownAndArrivesOnce) {
  OrderLoop loop;
  ASSERT_TRUE(publishedAndHealthy(loop));
  loop.stopSmtp();
  httplib::Client client("127.0.0.1", loop.orderPort());
  for (int n = 0; n < 5; ++n) {
    httplib::Result reply =
        client.Post("/order", {{"Accept", "application/json"}}, keyedOrder(n), "text/plain");
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->status, 200) << reply->body;
    EXPECT_EQ(json::parse(reply->body)["mailed"], true);
  }
  std::this_thread::sleep_for(std::chrono::seconds(10));
  ASSERT_TRUE(loop.startSmtp());
  EXPECT_EQ(loop.mails(10).size(), 10u);
  // Nothing comes twice.
  std::this_thread::sleep_for(std::chrono::seconds(2));
  EXPECT_EQ(loop.mails(11, std::chrono::seconds(0)).size(), 10u);
}

TEST(OrderServerFaults, SlowClientsCannotStopOrdering) {
  OrderLoop loop;
  ASSERT_TRUE(publishedAndHealthy(loop));
  // 300 connections from twenty other addresses, each sending the start of
  // a request and then nothing: far more than the server has workers.
  std::vector<std::unique_ptr<testing::RawConnection>> slow;
  for (int n = 0; n < 300; ++n) {
    const std::string from = "127.0.0." + std::to_string(2 + n % 20);
    slow.push_back(std::make_unique<testing::RawConnection>(from.c_str(), loop.orderPort()));
    ASSERT_TRUE(slow.back()->connected());
    ASSERT_TRUE(slow.back()->send("POST /order HTTP/1.1\r\nHost: x\r\n"));
  }
  // One address holds at most 16 connections.
  testing::RawConnection sixteenth("127.0.0.2", loop.orderPort());
  testing::RawConnection oneTooMany("127.0.0.2", loop.orderPort());
  ASSERT_TRUE(oneTooMany.send("GET /health HTTP/1.1\r\n\r\n"));
  EXPECT_EQ(oneTooMany.receiveAll().substr(0, 12), "HTTP/1.1 429");
  // Orders from another address are taken meanwhile.
  httplib::Client client("127.0.0.1", loop.orderPort());
  client.set_read_timeout(5, 0);
  std::chrono::steady_clock::duration slowest{};
  for (int n = 0; n < 50; ++n) {
    const auto start = std::chrono::steady_clock::now();
    httplib::Result reply =
        client.Post("/order", {{"Accept", "application/json"}}, keyedOrder(n), "text/plain");
    slowest = std::max(slowest, std::chrono::steady_clock::now() - start);
    ASSERT_TRUE(reply) << "order " << n;
    EXPECT_EQ(reply->status, 200);
  }
  std::cout << "slowest of 50 orders beside 300 slow clients: "
            << std::chrono::duration_cast<std::chrono::milliseconds>(slowest).count() << " ms\n";
}

}  // namespace
}  // namespace quorvex
