#include "generator/download_fields.h"

#include "company/brenquil_doc.h"
#include "generator/download_location.h"
#include "publish/order_catalogue.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "platform/prompter.h"
#include "products/product_text.h"

namespace quorvex {

std::string DownloadFields::location(const CExtraItem& row) {
  const DownloadLocation location = DownloadLocation::of(row, context_.doc.m_pContact->url);
  const auto enter = [&](FileLists list) {
    context_.enterFile(list, location.path, location.path, location.fileName,
                       kSoftgoodsFolder, 1, 0);
  };
  if (location.host == DownloadLocation::Host::kWebServer) {
    enter(FileLists::kWeb);
    context_.downloadsOnWebServer = true;
  } else if (location.host == DownloadLocation::Host::kOrderServer) {
    enter(FileLists::kOrderServer);
    context_.downloadsOnOrderServer = true;
  }
  return scriptEscape(location.url.empty() ? location.fileName : location.url);
}

void DownloadFields::setSoftwareInfo() {
  std::string statements;
  for (const CExtraItem& row : context_.doc.m_pExtraFields->rows) {
    if (row.downloadFlag == 0) continue;
    ++context_.downloadCount;
    const std::string password = cleanDownloadText(row.downloadPassword);
    statements += "softwareInfo['" + scriptEscape(cleanPartNumber(row.partNumber)) +
                  "'] = new software('" + location(row) + "','" +
                  (password.empty() ? "" : scriptEscape(password)) + "');\n";
  }
  context_.fields.set("softwareInfo", std::move(statements));
}

void DownloadFields::warnAboutCookies() {
  if (context_.downloadCount > 0 && context_.doc.m_pFtp->useCookies == 0) {
    context_.prompter().showMessage(kCookieWarning);
  }
}

}  // namespace quorvex
