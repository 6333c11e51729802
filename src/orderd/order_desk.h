#ifndef QUORVEX_ORDERD_ORDER_DESK_H_
#define QUORVEX_ORDERD_ORDER_DESK_H_

#include <string>
#include <string_view>

#include <chrono>

#include "orderd/download_vault.h"
#include "orderd/mailer.h"
#include "orderd/merchant_folders.h"
#include "publish/placed_order.h"

namespace quorvex {

// What the order server answers to one order.
struct OrderReply {
  // 200 accepted; 400 a request the shop should not have sent; 404 an
  // unknown vendor; 422 an order refused for a reason the customer can
  // mend; 500 the order could not be recorded.
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
  // False when an e-mail of the accepted order could not be sent, or its
  // text is missing from the merchant's folder (then it is not sent).
  bool mailed = true;
  // The origin whose scripts may read the reply (OrderCatalogue::shopOrigin)
  // when the vendor's data could be read; "" otherwise.
  std::string shopOrigin;
};

// Takes orders: checks and prices each against its merchant's data, records
// it in the merchant's sales logs, mails the merchant's notification and the
// customer's confirmation, and says what to answer. Safe to use from several
// threads at once.
class OrderDesk {
 public:
  // All must outlive the desk.
  OrderDesk(const MerchantFolders& merchants, Mailer& mailer, const DownloadVault& downloads);

  // Takes the order in `body` (JSON, see parseOrderRequest()) that arrived
  // from `remoteAddress` with the browser `userAgent`.
  OrderReply take(std::string_view body, const std::string& remoteAddress,
                  const std::string& userAgent);

  // Returns the web origin whose scripts may post orders for `vendor` (see
  // OrderCatalogue::shopOrigin); "" when there is none.
  std::string shopOriginOf(std::string_view vendor) const;

 private:
  // Sets the download links of `order` (PlacedOrder::downloadLinks): a
  // downloaded item's web address, or a new link of `downloads_` to its file
  // in `folder` that lasts until `expires`. Fails when a link cannot be
  // recorded.
  Status linkDownloads(const std::filesystem::path& folder, PlacedOrder& order,
                       std::chrono::system_clock::time_point expires) const;
  // Sends the merchant's notification (when the merchant has an address)
  // and the customer's confirmation; false when one of them failed or its
  // text is missing (the cause is written to stderr).
  bool mail(const std::filesystem::path& folder, const PlacedOrder& order,
            const OrderCatalogue& catalogue);

  const MerchantFolders& merchants_;
  Mailer& mailer_;
  const DownloadVault& downloads_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_ORDER_DESK_H_
