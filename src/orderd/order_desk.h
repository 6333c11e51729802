#ifndef QUORVEX_ORDERD_ORDER_DESK_H_
#define QUORVEX_ORDERD_ORDER_DESK_H_

#include <string>
#include <string_view>
#include <vector>

#include <chrono>

#include "orderd/download_vault.h"
#include "orderd/mail_spool.h"
#include "orderd/merchant_folders.h"
#include "orderd/order_keys.h"
#include "publish/placed_order.h"

namespace quorvex {

// What the order server answers to one order.
struct OrderReply {
  // 200 accepted (or a repeated order key: the first order's answer); 400 a
  // request the shop should not have sent; 404 an unknown vendor or one
  // without order data; 413 a body above kMaxOrderRequestBytes; 422 an
  // order refused for a reason the customer can mend; 500 the order could
  // not be recorded.
  int httpStatus = 200;
  // The reason of a refusal, as the shop shows it; empty when accepted.
  std::string reason;
  // The page to show: the merchant's thankyou.html with the order's fields
  // filled in, or error.html with the reason at the top of its body; a
  // plain page saying the same when the merchant's page is missing.
  std::string page;
  // Filled when accepted.
  std::string orderNumber;
  std::string customerId;
  std::string grandTotal;
  // False when an e-mail of the accepted order could not be put into the
  // mail spool, or its text is missing from the merchant's folder (then it
  // is not sent).
  bool mailed = true;
  // The shop's origins (shopOriginsOf()) when the vendor's data could be
  // read; empty otherwise.
  std::vector<std::string> shopOrigins;
};

// Takes orders: checks and prices each against its merchant's data, records
// it in the merchant's sales logs, puts the merchant's notification and the
// customer's confirmation into the mail spool, and says what to answer. The
// logs and the mails are on disk before the answer is given. An order with
// a key (OrderRequest::orderKey) is taken once: a repeated key is answered
// with the first order. Safe to use from several threads at once.
class OrderDesk {
 public:
  // All must outlive the desk.
  OrderDesk(const MerchantFolders& merchants, MailSpool& mail, const DownloadVault& downloads);

  // Takes the order in `body` (JSON, see parseOrderRequest()) that arrived
  // from `remoteAddress` with the browser `userAgent`.
  OrderReply take(std::string_view body, const std::string& remoteAddress,
                  const std::string& userAgent);

  // Returns the origins of the shop of `vendor` (shopOriginsOf()); empty
  // when there are none or its data cannot be read.
  std::vector<std::string> shopOriginsOf(std::string_view vendor) const;

 private:
  // Sets the download links of `order` (PlacedOrder::downloadLinks): a
  // downloaded item's web address, or a new link of `downloads_` to its file
  // in `folder` that lasts until `expires`. Fails when a link cannot be
  // recorded.
  Status linkDownloads(const std::filesystem::path& folder, PlacedOrder& order,
                       std::chrono::system_clock::time_point expires) const;
  // Under the merchant's lock: answers a key already taken; else gives the
  // priced `order` its number, keeps its key pending, logs it, spools its
  // mails and keeps its key taken. An order whose key was left pending by a
  // crash is finished under its number (logged unless it already is).
  OrderReply record(const std::filesystem::path& folder, PlacedOrder& order,
                    const OrderCatalogue& catalogue, const std::string& errorPage);
  // Spools the merchant's notification (when the merchant has an address)
  // and the customer's confirmation; false when one of them could not be
  // spooled or its text is missing (the cause is written to stderr).
  bool mail(const std::filesystem::path& folder, const PlacedOrder& order,
            const OrderCatalogue& catalogue);

  const MerchantFolders& merchants_;
  MailSpool& mail_;
  const DownloadVault& downloads_;
  OrderKeys keys_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_ORDER_DESK_H_
