#ifndef QUORVEX_ORDERD_DOWNLOAD_SENDER_H_
#define QUORVEX_ORDERD_DOWNLOAD_SENDER_H_

#include <httplib.h>

#include <string_view>

#include "orderd/download_vault.h"

namespace quorvex {

// Answers GET /download/VENDOR/TOKEN, a link of `downloads`: the file, sent
// in pieces and never held whole in memory; 404 for an unknown link, 410
// Gone once it expired. The HTTP library, which the order server hands one
// request at a time, cannot stream a body that way, so the answer is
// written here. Returns false when `request` (its bytes, whole) is no
// download request; the connection is to be closed after a download.
bool sendDownload(const DownloadVault& downloads, std::string_view request,
                  httplib::Stream& stream);

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_DOWNLOAD_SENDER_H_
