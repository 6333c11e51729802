#include "generator/download_fields.h"

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "generator/web_address.h"
#include "platform/prompter.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

constexpr char kSoftgoodsFolder[] = "softgoods";

// The upload flags of a downloadable item.
constexpr int32_t kOnWebServer = 0;
constexpr int32_t kOnOrderServer = 1;

bool isWebAddress(std::string_view path) {
  return path.find("http://") != std::string_view::npos ||
         path.find("https://") != std::string_view::npos ||
         path.find("ftp://") != std::string_view::npos;
}

}  // namespace

std::string DownloadFields::softgoodsAddress() const {
  // The customer's browser needs the scheme to reach the file from the
  // download page.
  std::string address = scriptEscape(absoluteWebAddress(context_.doc.m_pContact->url));
  if (!address.ends_with('/')) address += '/';
  return address + kSoftgoodsFolder + "/";
}

std::string DownloadFields::location(const CExtraItem& row) {
  const std::string path = cleanDownloadText(row.downloadPath);
  if (isWebAddress(path)) return scriptEscape(path);
  const std::string fileName = cleanFileName(lastPathComponent(path));
  switch (row.uploadFlag) {
    case kOnWebServer:
      context_.enterFile(FileLists::kWeb, path, path, fileName, kSoftgoodsFolder, 1, 0);
      context_.downloadsOnWebServer = true;
      return softgoodsAddress() + scriptEscape(fileName);
    case kOnOrderServer:
      context_.enterFile(FileLists::kOrderServer, path, path, fileName, kSoftgoodsFolder, 1, 0);
      context_.downloadsOnOrderServer = true;
      return scriptEscape(fileName);
    default:
      return scriptEscape(fileName);
  }
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
