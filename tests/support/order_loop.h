#ifndef QUORVEX_TESTS_SUPPORT_ORDER_LOOP_H_
#define QUORVEX_TESTS_SUPPORT_ORDER_LOOP_H_

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/ftp_server.h"
#include "support/order_server.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

// The whole order loop of the sample company on loopback, for as long as the
// object lives: a real FTP server with the web account and the merchant's
// order-server account, an SMTP sink, quorvex-orderd serving the FTP
// server's merchant folders, and a home holding the sample company whose
// server preferences point at all of them (QUORVEX_ORDER_SERVER names the
// FTP server while the object lives). Beside the sample's products it sells
// two downloaded items: kMapPart, a file of the home published to the order
// server (kMapBytes), and kGuidePart, fetched from kGuideUrl.
class OrderLoop {
 public:
  // The merchant's account, as the shop names its vendor.
  static constexpr char kVendor[] = "acmeoutd";
  static constexpr char kOrderEmail[] = "orders@acme-outdoor.example";
  static constexpr char kMapPart[] = "MAP-PDF";
  static constexpr char kMapBytes[] = "%PDF-1.4 trail map\r\n\x01\xff";
  static constexpr char kGuidePart[] = "GUIDE-WEB";
  static constexpr char kGuideUrl[] = "https://files.acme-outdoor.example/guide.pdf";

  // The order server listens on a free port; or, `besideFtp`, on the port
  // after the FTP server's, as a local order server does (where the shop's
  // order address points), letting `allowedOrigin` read its answers; with
  // `orderdArguments` added to its command line.
  OrderLoop() : OrderLoop(false, "") {}
  OrderLoop(bool besideFtp, const std::string& allowedOrigin,
            std::vector<std::string> orderdArguments = {});
  ~OrderLoop();
  OrderLoop(const OrderLoop&) = delete;
  OrderLoop& operator=(const OrderLoop&) = delete;

  // False when a server did not start.
  bool started() const { return ftp_.port() && smtp_->port() && orders_->port(); }
  // Runs quorvex-cli `command` (publish, fetch-logs) on the sample document.
  CliResult cli(const std::string& command) const;

  int orderPort() const { return orders_->port(); }
  // Kills the order server at once, as a crash would, and starts it again
  // on a free port (orderPort()); false when it did not start again.
  bool crashAndRestartOrderServer();
  // Stops the SMTP sink; startSmtp() starts it again on its port (false
  // when it did not start).
  void stopSmtp() { smtp_.reset(); }
  bool startSmtp();
  // The sample company's document.
  const std::filesystem::path& document() const { return document_; }
  const std::filesystem::path& home() const { return home_.path(); }
  // The merchant's folder that the FTP account and the order server share.
  std::filesystem::path merchantFolder() const { return serverRoot_.path() / kVendor; }
  // Where the SMTP sink keeps the messages.
  const std::filesystem::path& mailFolder() const { return mail_.path(); }
  // The messages the SMTP sink received, in order, once there are at least
  // `count` (the order server's mail spool sends them soon after it answers
  // an order), or when `wait` has passed.
  std::vector<std::string> mails(size_t count,
                                 std::chrono::seconds wait = std::chrono::seconds(60)) const;
  // The sample company's site folder, where fetch-logs appends the CSV files.
  std::filesystem::path siteFolder() const;

 private:
  TempDir home_;
  TempDir serverRoot_;
  TempDir mail_;
  FtpServer ftp_;
  std::optional<SmtpSink> smtp_;
  int smtpPort_ = 0;
  std::vector<std::string> orderdArguments_;
  std::optional<OrderServer> orders_;
  std::filesystem::path document_;
};

// Returns the JSON body of an order of the sample shop as its checkout posts
// it: `items` as part number, quantity and the price shown, billed and
// shipped to `firstName` Lee in Seattle (in Vancouver, Canada, for the tax
// region "Canada"), paid by Visa.
struct SampleItem {
  std::string part;
  int quantity;
  std::string price;
};
std::string sampleOrderJson(const std::vector<SampleItem>& items, const std::string& firstName,
                            const std::string& taxRegion, const std::string& shippingType);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_ORDER_LOOP_H_
