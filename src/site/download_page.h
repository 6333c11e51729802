#ifndef QUORVEX_SITE_DOWNLOAD_PAGE_H_
#define QUORVEX_SITE_DOWNLOAD_PAGE_H_

#include <cstdint>

#include "site/full_page.h"

namespace quorvex {

// The page from which a customer downloads the products bought.
class CDownloadPage : public CFullPage {
  QUORVEX_PAGE(CDownloadPage)

 public:
  // Stored and read back as it is; has no use of its own.
  int32_t reserved = 0;

  CDownloadPage();

  // Own part, record version 1: reserved. Another version reads nothing
  // more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CDownloadPage&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_DOWNLOAD_PAGE_H_
