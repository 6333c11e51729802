#include "support/order_loop.h"

#include <cstdlib>
#include <thread>
#include <nlohmann/json.hpp>

#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "support/sample_company.h"

namespace quorvex::testing {

namespace fs = std::filesystem;

// Publishing logs in with the account and password cut to eight characters
// and lowered, the sales-log download with them as entered: these are the
// same either way.
OrderLoop::OrderLoop(bool besideFtp, const std::string& allowedOrigin,
                     std::vector<std::string> orderdArguments)
    : ftp_(serverRoot_.path(), {{"web", "webpass", "web"}, {kVendor, "orderpw1", kVendor}}),
      smtp_(std::in_place, mail_.path()),
      smtpPort_(smtp_->port()),
      orderdArguments_(std::move(orderdArguments)) {
  if (!allowedOrigin.empty()) {
    orderdArguments_.insert(orderdArguments_.end(), {"--allow-origin", allowedOrigin});
  }
  orders_.emplace(serverRoot_.path(), smtp_->url(), besideFtp ? ftp_.port() + 1 : 0,
                  orderdArguments_);
  ::setenv("QUORVEX_ORDER_SERVER", ftp_.host().c_str(), 1);
  // Keeps the user's own settings out.
  ::setenv("XDG_CONFIG_HOME", home_.path().c_str(), 1);
  ScriptedPrompter prompter;
  Env env(home_.path(), prompter);
  CBrenquilDoc doc(env);
  if (!doc.open(installSampleCompany(home_.path())).ok()) return;
  CFtp& server = *doc.m_pFtp;
  server.ftpHost = ftp_.host();
  server.ftpUser = "web";
  server.ftpPassword = "webpass";
  server.vendorId = kVendor;
  server.vendorPassword = "orderpw1";
  server.orderEmail = kOrderEmail;
  document_ = home_.path() / (std::string(kSampleCompany) + ".qvx");
  if (!doc.save(document_).ok()) document_.clear();
  // The downloaded items, in the product file's columns (part, description,
  // price, weight, category, sales text, link, picture, picture, link and
  // publish flags, featured, download path, password, download, upload and
  // tax flags).
  const fs::path map = home_.write("trail map.pdf", kMapBytes);
  const std::string priceList = std::string(kSampleCompany) + "/PriceList.txt";
  home_.write(priceList,
              readFile(home_.path() / priceList) + "\"" + kMapPart +
                  "\",\"Trail map\",\"9.50\",\"0\",Maps,\"\",\"http://\",\"\",2,0,0,1,\"" +
                  map.string() + "\",\"\",1,1,1\r\n\"" + kGuidePart +
                  "\",\"Field guide\",\"12.00\",\"0\",Maps,\"\",\"http://\",\"\",2,0,0,1,\"" +
                  kGuideUrl + "\",\"\",1,2,1\r\n");
}

OrderLoop::~OrderLoop() {
  ::unsetenv("QUORVEX_ORDER_SERVER");
  ::unsetenv("XDG_CONFIG_HOME");
}

bool OrderLoop::crashAndRestartOrderServer() {
  if (!orders_->kill()) return false;
  orders_.emplace(serverRoot_.path(), "smtp://127.0.0.1:" + std::to_string(smtpPort_), 0,
                  orderdArguments_);
  return orders_->port() != 0;
}

bool OrderLoop::startSmtp() {
  smtp_.emplace(mail_.path(), smtpPort_);
  return smtp_->port() == smtpPort_;
}

CliResult OrderLoop::cli(const std::string& command) const {
  return runCli({"--home", home_.path().string(), command, document_.string()});
}

std::vector<std::string> OrderLoop::mails(size_t count, std::chrono::seconds wait) const {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  std::vector<std::string> messages;
  for (;;) {
    for (fs::path next = mailFolder() / (std::to_string(messages.size() + 1) + ".eml");
         fs::exists(next); next = mailFolder() / (std::to_string(messages.size() + 1) + ".eml")) {
      messages.push_back(readFile(next));
    }
    if (messages.size() >= count || std::chrono::steady_clock::now() > deadline) return messages;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

fs::path OrderLoop::siteFolder() const { return home_.path() / kSampleCompany; }

std::string sampleOrderJson(const std::vector<SampleItem>& items, const std::string& firstName,
                            const std::string& taxRegion, const std::string& shippingType) {
  nlohmann::json order = {
      {"vendor", OrderLoop::kVendor},
      {"items", nlohmann::json::array()},
      {"billing", taxRegion == "Canada"
                      ? nlohmann::json{{"firstName", firstName}, {"lastName", "Lee"},
                                       {"street", "1 Robson St"}, {"city", "Vancouver"},
                                       {"state", "BC"}, {"zip", "V6B 1A1"}, {"country", "Canada"}}
                      : nlohmann::json{{"firstName", firstName}, {"lastName", "Lee"},
                                       {"street", "1 Pike St"}, {"city", "Seattle"},
                                       {"state", "WA"}, {"zip", "98101"}, {"country", "USA"}}},
      {"email", "customer@example.com"},
      {"phone", "555 0100"},
      {"payment", "Visa"},
      {"taxRegion", taxRegion},
      {"shippingType", shippingType}};
  for (const SampleItem& item : items) {
    order["items"].push_back(
        {{"part", item.part}, {"quantity", item.quantity}, {"price", item.price}});
  }
  return order.dump();
}

}  // namespace quorvex::testing
