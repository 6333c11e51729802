#include "app/build_blocker.h"

#include "app/command_ids.h"
#include "company/brenquil_doc.h"

namespace quorvex {

std::optional<BuildBlocker> findBuildBlocker(const CBrenquilDoc& doc) {
  if (doc.m_strCompanyName.empty()) {
    return BuildBlocker{"Please, specify a company name to continue.", kCmdLocation};
  }
  if (doc.m_pPageData->count() == 0) {
    return BuildBlocker{
        "I'm sorry, but you must choose a site and define its pages before you may continue.",
        kCmdSiteType};
  }
  const CExtraFields& table = *doc.m_pExtraFields;
  if (table.sourcePath.empty() && table.inProgram == 0 && doc.m_pPageData->hasProductPage()) {
    return BuildBlocker{"I'm sorry, but you must have a product database before you may continue.",
                        kCmdProductList};
  }
  return std::nullopt;
}

}  // namespace quorvex
