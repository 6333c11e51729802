// The whole order loop against real servers on loopback: the sample company
// is published to the FTP server, orders are posted to quorvex-orderd as the
// shop's checkout posts them, and fetch-logs brings the sales logs home.

#include <httplib.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>
#include <nlohmann/json.hpp>

#include "publish/order_request.h"
#include "support/order_loop.h"
#include "support/raw_connection.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testing::OrderLoop;
using testing::readFile;
using testing::sampleOrderJson;

class OrderServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(loop_.started()) << "a server did not start";
    const testing::CliResult published = loop_.cli("publish");
    ASSERT_EQ(published.exit_status, 0) << published.err;
    client_.set_read_timeout(10, 0);
    // The first request of the process is made here, before a test starts
    // threads of its own: the HTTP library sets up its parsers then.
    httplib::Result health = client_.Get("/health");
    ASSERT_TRUE(health);
    ASSERT_EQ(health->body, "ok\n");
  }

  // Posts `body` asking for a JSON reply.
  httplib::Result post(const std::string& body, httplib::Headers headers = {}) {
    headers.emplace("Accept", "application/json");
    return client_.Post("/order", headers, body, "text/plain");
  }

  std::string log(const char* name) const {
    return readFile(loop_.merchantFolder() / ".logFile" / name);
  }

  std::vector<std::string> mails(size_t count) const { return loop_.mails(count); }

  OrderLoop loop_;
  httplib::Client client_{"127.0.0.1", loop_.orderPort()};
};

size_t lineCount(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

std::string withoutCr(std::string text) {
  std::erase(text, '\r');
  return text;
}

TEST_F(OrderServerTest, OrdersAreCheckedLoggedMailedAndFetched) {
  // Two tents to Washington by ground; a tent and a tarp to Canada by express.
  const std::string first = sampleOrderJson({{"TENT-2P", 2, "249.00"}}, "Ann", "WA", "Ground");
  const std::string second = sampleOrderJson(
      {{"TENT-1P", 1, "189.00"}, {"TARP-L", 1, "89.00"}}, "Bo", "Canada", "Express");
  std::vector<std::string> orders;
  for (const auto& [body, total] : {std::pair{first, "544.82"}, std::pair{second, "318.35"}}) {
    httplib::Result reply = post(body);
    ASSERT_TRUE(reply);
    ASSERT_EQ(reply->status, 200) << reply->body;
    const json answer = json::parse(reply->body);
    EXPECT_EQ(answer["total"], total);
    EXPECT_EQ(answer["mailed"], true);
    orders.push_back(answer["order"].get<std::string>());
  }
  EXPECT_EQ(orders, (std::vector<std::string>{"100001", "100002"}));

  // The same order as a form's page: the merchant's thank-you page.
  httplib::Result page = client_.Post("/order", first, "text/plain");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_EQ(withoutCr(page->body), withoutCr(readFile(loop_.merchantFolder() / "thankyou.html")));

  // Refusals: nothing is logged or mailed for them.
  const std::string header = log("header.dat");
  const std::vector<std::string> mailed = mails(6);
  json cardField = json::parse(first);
  cardField["cardNumber"] = "4111111111111111";
  json stranger = json::parse(first);
  stranger["vendor"] = "../acmeoutd";
  json nobody = json::parse(first);
  nobody["vendor"] = "nobody";
  json web = json::parse(first);
  web["vendor"] = "web";  // an account with no order data
  json card = json::parse(first);
  card["comments"] = "My card is 4111 1111 1111 1111";
  json canada = json::parse(first);
  canada["taxRegion"] = "Canada";
  std::string doubled = first;
  doubled.insert(1, "\"vendor\":\"acmeoutd\",");
  struct Refusal {
    std::string body;
    int status;
    const char* reason;
  };
  const Refusal refusals[] = {
      {sampleOrderJson({{"TENT-9P", 1, "1.00"}}, "Cy", "WA", "Ground"), 422,
       "The item TENT-9P is not sold here any more."},
      {sampleOrderJson({{"TENT-2P", 1, "199.00"}}, "Cy", "WA", "Ground"), 422,
       "The price of TENT-2P is now 249.00. Please check your cart again."},
      {sampleOrderJson({{"TENT-2P", 0, "249.00"}}, "Cy", "WA", "Ground"), 400,
       "The quantity of TENT-2P must be a whole number from 1 to 9999."},
      {sampleOrderJson({{"TENT-2P", 1, "249.00"}}, "", "WA", "Ground"), 400,
       "Please fill in the field \"billing.firstName\"."},
      {sampleOrderJson({{"TENT-2P", 1, "249.00"}}, "Cy", "WA", "Sled"), 422,
       "Please choose one of the shipping types offered."},
      {cardField.dump(), 400, "The order holds an unknown field \"cardNumber\"."},
      {card.dump(), 400,
       "Please remove the card number from the comments: this shop never stores or e-mails "
       "card numbers."},
      {canada.dump(), 422,
       "The tax region \"Canada\" does not fit the address (Seattle, WA, USA), which is taxed as "
       "\"WA\". Please check the address."},
      {doubled, 400, "The order names the field \"vendor\" twice."},
      {web.dump(), 404, "The shop \"web\" takes no orders here."},
      {stranger.dump(), 404, "The shop \"../acmeoutd\" takes no orders here."},
      {nobody.dump(), 404, "The shop \"nobody\" takes no orders here."},
      {"{\"vendor\": ", 400, "The order is not valid JSON."},
  };
  for (const Refusal& refusal : refusals) {
    httplib::Result reply = post(refusal.body);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->status, refusal.status) << refusal.reason;
    EXPECT_EQ(json::parse(reply->body)["error"], refusal.reason);
  }
  httplib::Result errorPage = client_.Post("/order", refusals[0].body, "text/plain");
  ASSERT_TRUE(errorPage);
  EXPECT_NE(errorPage->body.find("<p class=\"order-error\">The item TENT-9P is not sold"),
            std::string::npos);
  httplib::Result huge = post(std::string(kMaxOrderRequestBytes + 1, ' '));
  ASSERT_TRUE(huge);
  EXPECT_EQ(huge->status, 413);
  // A chunked body is refused as soon as its chunks pass the limit, unread.
  testing::RawConnection chunked("127.0.0.1", loop_.orderPort());
  ASSERT_TRUE(chunked.send("POST /order HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n"
                           "A00000\r\n" + std::string(1000, ' ')));
  EXPECT_EQ(chunked.receiveAll().substr(0, 12), "HTTP/1.1 413");
  EXPECT_EQ(log("header.dat"), header);
  EXPECT_EQ(mails(0).size(), mailed.size());

  // Three orders, each a line in header.dat and payment.dat, a line per
  // item in items.dat.
  EXPECT_EQ(lineCount(header), 3u);
  EXPECT_EQ(header.substr(0, 7), "100001,");
  EXPECT_EQ(lineCount(log("items.dat")), 4u);
  EXPECT_NE(log("payment.dat").find("100002,"), std::string::npos);
  EXPECT_NE(log("payment.dat").find(",Visa,awaiting card payment,318.35\n"), std::string::npos);

  // Each order mailed the merchant its notification and the customer the
  // confirmation of normal items, every field filled in.
  ASSERT_EQ(mailed.size(), 6u);
  EXPECT_EQ(mailed[0].substr(0, mailed[0].find('\r')),
            std::string("X-Envelope-To: ") + OrderLoop::kOrderEmail);
  EXPECT_NE(mailed[0].find("New order 100001 for Acme Outdoor Supply"), std::string::npos);
  EXPECT_NE(mailed[0].find("2 x TENT-2P"), std::string::npos);
  EXPECT_EQ(mailed[1].substr(0, mailed[1].find('\r')), "X-Envelope-To: customer@example.com");
  EXPECT_NE(mailed[1].find("Dear Ann Lee"), std::string::npos);
  EXPECT_NE(mailed[3].find("Grand total:     318.35"), std::string::npos);
  for (const std::string& mail : mailed) {
    EXPECT_EQ(mail.find("[FNAME]"), std::string::npos);
    EXPECT_EQ(mail.find("[GRANDTOTAL]"), std::string::npos);
  }

  // The owner fetches the logs: the CSV files hold exactly the three orders.
  const testing::CliResult fetched = loop_.cli("fetch-logs");
  ASSERT_EQ(fetched.exit_status, 0) << fetched.err;
  std::string expected = header;
  for (size_t at = 0; (at = expected.find('\n', at)) != std::string::npos; at += 2) {
    expected.insert(at, "\r");
  }
  EXPECT_EQ(readFile(loop_.siteFolder() / "header.csv"), expected);
  EXPECT_EQ(lineCount(readFile(loop_.siteFolder() / "items.csv")), 4u);
  EXPECT_EQ(lineCount(readFile(loop_.siteFolder() / "payment.csv")), 3u);
  EXPECT_EQ(lineCount(readFile(loop_.siteFolder() / "misc.csv")), 3u);
  // The next order starts the next download.
  ASSERT_TRUE(post(second));
  EXPECT_EQ(lineCount(log("header.dat")), 1u);
}

TEST_F(OrderServerTest, AnOrderKeyIsTakenOnce) {
  json order = json::parse(sampleOrderJson({{"BIVY", 1, "129.00"}}, "Gus", "WA", "Ground"));
  order["orderKey"] = "checkout-0123456789";
  // Two clicks at once, then a retry: one order, each told its number.
  std::string replies[3];
  auto send = [&](std::string& reply) {
    httplib::Client client("127.0.0.1", loop_.orderPort());
    httplib::Result result =
        client.Post("/order", {{"Accept", "application/json"}}, order.dump(), "text/plain");
    reply = result ? std::to_string(result->status) + " " + result->body : "no reply";
  };
  std::thread twin(send, std::ref(replies[0]));
  send(replies[1]);
  twin.join();
  send(replies[2]);
  for (const std::string& reply : replies) {
    ASSERT_EQ(reply.substr(0, 4), "200 ") << reply;
    EXPECT_EQ(json::parse(reply.substr(4))["order"], "100001");
    EXPECT_EQ(json::parse(reply.substr(4))["total"], "148.84");
  }
  EXPECT_EQ(lineCount(log("header.dat")), 1u);
  EXPECT_EQ(mails(2).size(), 2u);
  // Another key is another order.
  order["orderKey"] = "checkout-9876543210";
  ASSERT_EQ(json::parse(post(order.dump())->body)["order"], "100002");
  EXPECT_EQ(mails(4).size(), 4u);
}

TEST_F(OrderServerTest, AMissingPageOrTextIsReportedNeverSentEmpty) {
  // The thank-you page and the normal items' confirmation are gone: orders
  // are still taken and the merchant notified; the customer gets no empty
  // mail, and the reply says that a mail was not sent.
  fs::remove(loop_.merchantFolder() / "thankyou.html");
  fs::remove(loop_.merchantFolder() / "confirm1.txt");
  const std::string order = sampleOrderJson({{"BIVY", 1, "129.00"}}, "Ed", "", "Ground");
  httplib::Result answer = post(order);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->status, 200);
  EXPECT_EQ(json::parse(answer->body)["mailed"], false);
  httplib::Result page = client_.Post("/order", order, "text/plain");
  ASSERT_TRUE(page);
  EXPECT_EQ(page->status, 200);
  EXPECT_NE(page->body.find("Thank you for your order. Its number is 100002."),
            std::string::npos);
  const std::vector<std::string> sent = mails(2);
  ASSERT_EQ(sent.size(), 2u);
  for (const std::string& mail : sent) {
    EXPECT_EQ(mail.substr(0, mail.find('\r')),
              std::string("X-Envelope-To: ") + OrderLoop::kOrderEmail);
  }
}

TEST_F(OrderServerTest, DownloadLinksAreMailedAndServeTheFileUntilTheyExpire) {
  // Records left by earlier orders: one whose link expired long ago, swept
  // when the next link is issued, and one still answering "expired".
  const fs::path records = loop_.merchantFolder() / ".downloads";
  fs::create_directories(records);
  const std::string longGone(32, 'a');
  const std::string lately(32, 'b');
  std::ofstream(records / longGone) << "trail_map.pdf\n1\n";
  const auto anHourAgo = std::chrono::duration_cast<std::chrono::seconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count() -
                         3600;
  std::ofstream(records / lately) << "trail_map.pdf\n" << anHourAgo << "\n";
  const std::string order = sampleOrderJson(
      {{OrderLoop::kMapPart, 1, "9.50"}, {OrderLoop::kGuidePart, 1, "12.00"}}, "Flo", "", "");
  httplib::Result reply = post(order);
  ASSERT_TRUE(reply);
  ASSERT_EQ(reply->status, 200) << reply->body;
  EXPECT_FALSE(fs::exists(records / longGone));
  EXPECT_TRUE(fs::exists(records / lately));
  const std::vector<std::string> sent = mails(2);
  ASSERT_EQ(sent.size(), 2u);
  // The customer's confirmation of downloads only: a line per item, the
  // order server's own link for its file, the web address for the other.
  const std::string& confirmation = sent[1];
  EXPECT_NE(confirmation.find("GUIDE-WEB Field guide: " + std::string(OrderLoop::kGuideUrl)),
            std::string::npos);
  const std::string linkStart = "MAP-PDF Trail map: http://127.0.0.1:" +
                                std::to_string(loop_.orderPort()) + "/download/acmeoutd/";
  const size_t link = confirmation.find(linkStart);
  ASSERT_NE(link, std::string::npos) << confirmation;
  const std::string token = confirmation.substr(link + linkStart.size(), 32);
  const std::string path = "/download/acmeoutd/" + token;
  httplib::Result file = client_.Get(path);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->status, 200);
  EXPECT_EQ(file->body, OrderLoop::kMapBytes);

  // A record that leaves the softgoods folder, or one whose time is over.
  const std::string escaping(32, 'e');
  std::ofstream(records / escaping) << "../orderdata.json\n9999999999\n";
  std::ofstream(records / token) << "trail_map.pdf\n1\n";
  const std::pair<std::string, int> refused[] = {
      {path, 410},
      {"/download/acmeoutd/" + std::string(32, '0'), 404},
      {"/download/acmeoutd/" + escaping, 404},
      {"/download/nobody/" + token, 404},
      {"/download/acmeoutd/..%2forderdata.json", 404},
      {"/download/acmeoutd/" + lately, 410},
  };
  for (const auto& [refusedPath, status] : refused) {
    httplib::Result answer = client_.Get(refusedPath);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->status, status) << refusedPath;
  }

  // The records were looked through with the first link: the next one,
  // within the hour, leaves them alone.
  std::ofstream(records / longGone) << "trail_map.pdf\n1\n";
  ASSERT_EQ(post(order)->status, 200);
  EXPECT_TRUE(fs::exists(records / longGone));
}

TEST_F(OrderServerTest, OnlyTheShopsOwnOriginMayReadTheReply) {
  const std::string order = sampleOrderJson({{"BIVY", 1, "129.00"}}, "Di", "", "Ground");
  httplib::Result own = post(order, {{"Origin", "http://www.acme-outdoor.example"}});
  ASSERT_TRUE(own);
  EXPECT_EQ(own->get_header_value("Access-Control-Allow-Origin"),
            "http://www.acme-outdoor.example");
  // The shop's other addresses: without "www.", over https.
  httplib::Result bare = post(order, {{"Origin", "https://acme-outdoor.example"}});
  ASSERT_TRUE(bare);
  EXPECT_EQ(bare->get_header_value("Access-Control-Allow-Origin"), "https://acme-outdoor.example");
  httplib::Result other = post(order, {{"Origin", "http://evil.example"}});
  ASSERT_TRUE(other);
  EXPECT_FALSE(other->has_header("Access-Control-Allow-Origin"));
  httplib::Result preflight = client_.Options(
      "/order?vendor=acmeoutd", {{"Origin", "http://www.acme-outdoor.example"}});
  ASSERT_TRUE(preflight);
  EXPECT_EQ(preflight->status, 204);
  EXPECT_EQ(preflight->get_header_value("Access-Control-Allow-Origin"),
            "http://www.acme-outdoor.example");
}

}  // namespace
}  // namespace quorvex
