#include "orderd/order_desk.h"

#include <chrono>
#include <ctime>
#include <memory>
#include <iostream>
#include <random>

#include "orderd/origin_policy.h"
#include "orderd/sales_log_store.h"
#include "platform/strings.h"
#include "publish/order_notify_data.h"
#include "publish/order_text_fields.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// The sender of the e-mails when the merchant named none.
constexpr char kDefaultSender[] = "orders@localhost";

constexpr char kNotRecorded[] = "Your order could not be recorded. Please try again later.";

std::string dateText(std::chrono::system_clock::time_point time) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
  return text;
}

// Twelve random digits, the first not 0.
std::string newCustomerId() {
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::uniform_int_distribution<int64_t> digits(100000000000, 999999999999);
  return std::to_string(digits(random));
}

// A plain page titled `title` whose body is the HTML `paragraph`, for a
// merchant folder that lacks its own page.
std::string plainPage(const std::string& title, const std::string& paragraph) {
  return "<!DOCTYPE html>\r\n<html><head><title>" + title + "</title></head><body>\r\n" +
         paragraph + "\r\n</body></html>\r\n";
}

// `errorPage` with `reason` as the first paragraph of its body; a page of
// its own when the merchant has none.
std::string refusalPage(const std::string& errorPage, const std::string& reason) {
  const std::string paragraph = "<p class=\"order-error\">" + escapeHtml(reason) + "</p>";
  const size_t body = toLowerAscii(errorPage).find("<body");
  const size_t bodyEnd = body == std::string::npos ? body : errorPage.find('>', body);
  if (bodyEnd == std::string::npos) return plainPage("Order not placed", paragraph);
  std::string page = errorPage;
  page.insert(bodyEnd + 1, "\r\n" + paragraph);
  return page;
}

OrderReply refusal(int httpStatus, const std::string& reason, const std::string& errorPage) {
  OrderReply reply;
  reply.httpStatus = httpStatus;
  reply.reason = reason;
  reply.page = refusalPage(errorPage, reason);
  return reply;
}

// What a key of `order` keeps.
OrderKeys::KeptOrder keptOf(const PlacedOrder& order, bool taken, bool mailed) {
  return {taken, order.orderNumber, order.customerId, formatCents(order.priced.grandTotal),
          order.date, mailed};
}

// The answer to an order taken: its number and total, and a plain page
// saying so (the merchant's own page needs the whole order).
OrderReply keptReply(const OrderKeys::KeptOrder& kept) {
  OrderReply reply;
  reply.orderNumber = kept.orderNumber;
  reply.customerId = kept.customerId;
  reply.grandTotal = kept.grandTotal;
  reply.mailed = kept.mailed;
  reply.page = plainPage("Thank you", "<p>Thank you for your order. Its number is " +
                                          kept.orderNumber + ".</p>");
  return reply;
}

// The published file of the confirmation the customer gets: the one for
// normal items only, for downloads only or for both.
const char* confirmationFile(const PricedOrder& priced) {
  using Text = COrderNotifyData::Text;
  if (!priced.hasDownloads) return COrderNotifyData::publishedName(Text::kNormalConfirmation);
  return COrderNotifyData::publishedName(priced.hasShippedItems ? Text::kMixedConfirmation
                                                                : Text::kDownloadConfirmation);
}

}  // namespace

OrderDesk::OrderDesk(const MerchantFolders& merchants, MailSpool& mail,
                     const DownloadVault& downloads)
    : merchants_(merchants), mail_(mail), downloads_(downloads) {}

std::vector<std::string> OrderDesk::shopOriginsOf(std::string_view vendor) const {
  const std::optional<fs::path> folder = merchants_.find(vendor);
  OrderCatalogue catalogue;
  if (!folder || !MerchantFolders::readCatalogue(*folder, catalogue).ok()) return {};
  return quorvex::shopOriginsOf(catalogue);
}

OrderReply OrderDesk::take(std::string_view body, const std::string& remoteAddress,
                           const std::string& userAgent) {
  if (body.size() > kMaxOrderRequestBytes) return refusal(413, "The order is too large.", "");
  PlacedOrder order;
  if (Status status = parseOrderRequest(body, order.request); !status.ok()) {
    return refusal(400, status.message(), "");
  }
  const std::string noOrders = "The shop \"" + order.request.vendor + "\" takes no orders here.";
  const std::optional<fs::path> folder = merchants_.find(order.request.vendor);
  if (!folder) return refusal(404, noOrders, "");
  const std::string errorPage = MerchantFolders::readText(*folder, "error.html").value_or("");
  OrderCatalogue catalogue;
  if (Status status = MerchantFolders::readCatalogue(*folder, catalogue); !status.ok()) {
    // An account without order data (the web account, a merchant that has
    // not published yet) is no shop; damaged data is the server's fault.
    if (status.code() == Status::Code::kNotFound) return refusal(404, noOrders, errorPage);
    std::cerr << *folder << ": " << status.message() << "\n";
    return refusal(500, "This shop cannot take orders at the moment.", errorPage);
  }
  OrderReply reply;
  if (Status status = priceOrder(order.request, catalogue, order.priced); !status.ok()) {
    reply = refusal(422, status.message(), errorPage);
  } else {
    order.customerId = newCustomerId();
    order.remoteAddress = remoteAddress;
    order.userAgent = userAgent.substr(0, kMaxFieldChars);
    reply = record(*folder, order, catalogue, errorPage);
  }
  reply.shopOrigins = quorvex::shopOriginsOf(catalogue);
  return reply;
}

OrderReply OrderDesk::record(const fs::path& folder, PlacedOrder& order,
                             const OrderCatalogue& catalogue, const std::string& errorPage) {
  std::unique_ptr<SalesLogStore> logs;
  if (Status status = SalesLogStore::lock(folder, logs); !status.ok()) {
    std::cerr << status.message() << "\n";
    return refusal(500, kNotRecorded, errorPage);
  }
  const std::string& key = order.request.orderKey;
  const std::optional<OrderKeys::KeptOrder> kept =
      key.empty() ? std::nullopt : keys_.find(folder, key);
  if (kept && kept->taken) return keptReply(*kept);
  const auto now = std::chrono::system_clock::now();
  // An order that a crash cut short is finished under its number: logged
  // unless it already is, and mailed.
  bool logged = false;
  if (kept) {
    order.orderNumber = kept->orderNumber;
    order.customerId = kept->customerId;
    order.date = kept->date;
    logged = logs->holds(order.orderNumber);
  } else {
    order.date = dateText(now);
    if (Status status = logs->giveNumber(order); !status.ok()) {
      std::cerr << status.message() << "\n";
      return refusal(500, kNotRecorded, errorPage);
    }
    if (!key.empty()) {
      if (Status status = keys_.keep(folder, key, keptOf(order, false, true)); !status.ok()) {
        std::cerr << status.message() << "\n";
        return refusal(500, kNotRecorded, errorPage);
      }
    }
  }
  const auto expires = now + std::chrono::days(catalogue.downloadExpiryDays);
  order.downloadsExpire = dateText(expires);
  // The links are recorded first, so that no order is logged whose
  // downloads cannot be handed out; a link of an order that is then not
  // logged is known to no one.
  if (Status status = linkDownloads(folder, order, expires); !status.ok()) {
    std::cerr << status.message() << "\n";
    return refusal(500, kNotRecorded, errorPage);
  }
  if (!logged) {
    if (Status status = logs->append(order, catalogue); !status.ok()) {
      std::cerr << status.message() << "\n";
      return refusal(500, kNotRecorded, errorPage);
    }
  }
  OrderReply reply = keptReply(keptOf(order, true, mail(folder, order, catalogue)));
  // The order stands without its key: a key that cannot be kept only lets
  // a repeated request finish the order again, mailing it twice.
  if (!key.empty()) {
    if (Status status = keys_.keep(folder, key, keptOf(order, true, reply.mailed)); !status.ok()) {
      std::cerr << "Order " << order.orderNumber << ": " << status.message() << "\n";
    }
  }
  const std::optional<std::string> thanks = MerchantFolders::readText(folder, "thankyou.html");
  if (thanks) {
    reply.page = OrderTextFields(order, catalogue).fill(*thanks, OrderTextFields::Escape::kHtml);
  }
  return reply;
}

Status OrderDesk::linkDownloads(const fs::path& folder, PlacedOrder& order,
                                std::chrono::system_clock::time_point expires) const {
  for (const PricedLine& line : order.priced.lines) {
    std::string& link = order.downloadLinks.emplace_back();
    if (!line.product->download) continue;
    link = line.product->downloadUrl;
    if (!line.product->downloadFile.empty()) {
      Status issued = downloads_.issue(folder, order.request.vendor, line.product->downloadFile,
                                       expires, link);
      if (!issued.ok()) return issued;
    }
  }
  return Status::success();
}

bool OrderDesk::mail(const fs::path& folder, const PlacedOrder& order,
                     const OrderCatalogue& catalogue) {
  const OrderTextFields fields(order, catalogue);
  // The sender goes into the envelope and a header line: only a plain
  // address is taken.
  const std::string sender = isPlainEmailAddress(catalogue.notifyFrom)   ? catalogue.notifyFrom
                             : isPlainEmailAddress(catalogue.orderEmail) ? catalogue.orderEmail
                                                                         : kDefaultSender;
  std::vector<std::string> merchant;
  for (const std::string& to : {catalogue.orderEmail, catalogue.extraNotifyTo}) {
    if (isPlainEmailAddress(to)) merchant.push_back(to);
  }
  // The text file of each message, whom it goes to and its subject.
  struct Letter {
    const char* file;
    std::vector<std::string> to;
    std::string subject;
  };
  const Letter letters[] = {
      {COrderNotifyData::publishedName(COrderNotifyData::Text::kMerchantNotification),
       std::move(merchant), "Order " + order.orderNumber},
      {confirmationFile(order.priced),
       {order.request.email},
       "Your order " + order.orderNumber + " from " + catalogue.companyName},
  };
  bool sent = true;
  for (const Letter& letter : letters) {
    if (letter.to.empty()) continue;
    // A missing text is not mailed empty; readText() has said why.
    const std::optional<std::string> text = MerchantFolders::readText(folder, letter.file);
    if (!text) {
      sent = false;
      continue;
    }
    const MailMessage message{sender, letter.to, letter.subject,
                              fields.fill(*text, OrderTextFields::Escape::kNone)};
    if (Status status = mail_.put({sender, letter.to, message.render()}); !status.ok()) {
      std::cerr << "Order " << order.orderNumber << ": " << status.message() << "\n";
      sent = false;
    }
  }
  return sent;
}

}  // namespace quorvex
