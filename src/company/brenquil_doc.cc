#include "company/brenquil_doc.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "company/class_table.h"
#include "document/archive_reader.h"
#include "document/archive_writer.h"
#include "document/field_visitor.h"
#include "document/string_array.h"
#include "platform/atomic_file.h"
#include "site/site_template_folder.h"
#include "site/style_applier.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// Reads or writes the placeholder string lists that older versions used; their
// content is never kept.
void ioPlaceholderLists(Archive& ar, int count) {
  std::vector<Owned<CStringArray>> lists(count);
  for (Owned<CStringArray>& list : lists) {
    if (ar.isStoring()) list = makeOwned<CStringArray>();
    ar.ioObject(list);
  }
}

}  // namespace

CBrenquilDoc::CBrenquilDoc(const Env& env) : env_(env) { makeNewRecords(); }

template <class Visit>
void CBrenquilDoc::forEachRecord(Visit visit) {
  visit(m_pBusiness);
  visit(m_pFtp);
  visit(m_pShipping);
  visit(m_pContact);
  visit(m_pTax);
  visit(m_pPageData);
  visit(m_pTemplate);
  visit(m_pSiteTemplate);
  visit(m_pExtraFields);
  visit(m_pDBase);
  visit(m_pIndProdData);
  visit(m_pOrderNotifyData);
  visit(m_pCouponData);
  visit(m_pWebFileList);
  visit(m_pOrderServerFileList);
  visit(m_pGlobalPage);
  visit(m_pCategoriesPage);
}

void CBrenquilDoc::deleteRecords() {
  forEachRecord([](auto& member) { member.reset(); });
}

void CBrenquilDoc::makeNewRecords() {
  m_strCompanyName.clear();
  deleteRecords();
  makeNewRecordsWhereMissing();
  // Labelled as every read labels them, so that a new document reads back
  // exactly as it was written.
  labelSiteWidePages();
}

void CBrenquilDoc::makeNewRecordsWhereMissing() {
  forEachRecord([this](auto& member) {
    if (member) return;
    member.reset(
        std::make_unique<typename std::remove_reference_t<decltype(member)>::element_type>());
    if constexpr (std::is_same_v<decltype(member), Owned<COrderNotifyData>&>) {
      member->loadDefaultTexts(env_);
    }
  });
}

void CBrenquilDoc::labelSiteWidePages() {
  m_pGlobalPage->label = "Global";
  m_pCategoriesPage->label = "ProductCategories";
}

void CBrenquilDoc::ioLeadingRecords(Archive& ar) {
  ar.io(m_strCompanyName);
  ar.ioObject(m_pBusiness);
  ar.ioObject(m_pFtp);
  ar.ioObject(m_pShipping);
  ar.ioObject(m_pContact);
  ar.ioObject(m_pTax);
  ioPlaceholderLists(ar, 3);
  ar.ioObject(m_pPageData);
  ar.ioObject(m_pTemplate);
  ar.ioObject(m_pSiteTemplate);
  ar.ioObject(m_pExtraFields);
  ar.ioObject(m_pDBase);
  ar.ioObject(m_pIndProdData);
}

std::string CBrenquilDoc::write() {
  ArchiveWriter ar(documentClasses());
  ioLeadingRecords(ar);
  int32_t version = kFormatVersion;
  ar.io(version);
  ar.ioObject(m_pOrderNotifyData);
  ar.ioObject(m_pCouponData);
  ar.ioObject(m_pWebFileList);
  ar.ioObject(m_pOrderServerFileList);
  ar.ioObject(m_pGlobalPage);
  ar.ioObject(m_pCategoriesPage);
  return ar.bytes();
}

Status CBrenquilDoc::read(std::string_view bytes) {
  m_strCompanyName.clear();
  deleteRecords();

  ArchiveReader ar(bytes, documentClasses());
  ioLeadingRecords(ar);
  if (ar.ok()) {
    makeNewRecordsWhereMissing();
    m_pExtraFields->companyName = m_strCompanyName;
    // A document older than version 1 ends here; the members it lacks keep
    // their new-document values.
    if (!ar.atEnd()) {
      int32_t version = 0;
      ar.io(version);
      if (ar.ok() && version > kFormatVersion) {
        // Reading such a document in part would lose its newer members at
        // the next save.
        makeNewRecords();
        return Status::failure(
            "the document was written by a newer version of Quorvex (document format " +
            std::to_string(version) + "); this version reads formats 1 to " +
            std::to_string(kFormatVersion) + " only.");
      }
      readVersionedTail(ar, version);
    }
  }
  if (!ar.ok()) {
    std::string error = ar.error();
    makeNewRecords();
    return Status::failure(error);
  }
  makeNewRecordsWhereMissing();
  repairAfterReading();
  m_nFormatVersion = kFormatVersion;
  return Status::success();
}

void CBrenquilDoc::readVersionedTail(Archive& ar, int32_t version) {
  if (version < 1) return;  // nothing after a version that was never written
  m_pOrderNotifyData.reset();
  ar.ioObject(m_pOrderNotifyData);
  if (m_pOrderNotifyData) m_pOrderNotifyData->loadMissingDefaultTexts(env_);
  if (version >= 2) ar.ioObject(m_pCouponData);
  if (version == 4) ioPlaceholderLists(ar, 2);
  if (version >= 5) {
    ar.ioObject(m_pWebFileList);
    ar.ioObject(m_pOrderServerFileList);
  }
  if (version >= 6) ar.ioObject(m_pGlobalPage);
  if (version >= 7) ar.ioObject(m_pCategoriesPage);
  if (version <= 2 && ar.ok()) {
    // These versions kept the product table's settings in CDBase.
    m_pExtraFields->takeLegacySettings(*m_pDBase);
    m_pExtraFields->migrateLegacyRows(env_);
  }
}

void CBrenquilDoc::repairAfterReading() {
  if (m_pTax->zipRatesDropped) {
    env_.prompter().showMessage(CTax::kZipRatesDroppedMessage);
    m_pTax->zipRatesDropped = false;
  }
  m_pPageData->ensureDownloadPage();
  m_pSiteTemplate->adoptNameFromOldIndex(SiteTemplateFolder::templateNamesIn(env_.home()));
  labelSiteWidePages();
}

static Status readWholeFile(const fs::path& file, std::string* bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return Status::failure("Cannot open " + file.string());
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return Status::failure("Cannot read " + file.string());
  return Status::success();
}

Status CBrenquilDoc::open(const fs::path& file) {
  std::string bytes;
  Status status = readWholeFile(file, &bytes);
  if (status.ok()) {
    status = read(bytes);
    if (!status.ok()) {
      status = Status::failure(file.string() + " is not a valid Quorvex document: " +
                               status.message());
    }
  } else {
    makeNewRecords();
  }
  if (!status.ok()) {
    path_.clear();
    setTitle(kNewTitle);
    return status;
  }
  path_ = file;
  setTitle(file.stem().string());
  if (m_pTemplate->restyleAfterOpen) {
    applyStyleToAllPages(*m_pTemplate, *m_pPageData, *m_pIndProdData);
    m_pTemplate->restyleAfterOpen = 0;
  }
  return Status::success();
}

Status CBrenquilDoc::save(const fs::path& file) {
  Status status = replaceFileAtomically(file, write());
  if (!status.ok()) return status;
  path_ = file;
  setTitle(file.stem().string());
  return Status::success();
}

void CBrenquilDoc::setTitle(const std::string& requested) {
  title_ = requested == kNewTitle ? requested : m_strCompanyName;
}

void CBrenquilDoc::visitFields(FieldVisitor& visitor) {
  visitor.field("m_strCompanyName", m_strCompanyName);
  visitor.field("m_pBusiness", m_pBusiness);
  visitor.field("m_pFtp", m_pFtp);
  visitor.field("m_pShipping", m_pShipping);
  visitor.field("m_pContact", m_pContact);
  visitor.field("m_pTax", m_pTax);
  visitor.field("m_pPageData", m_pPageData);
  visitor.field("m_pTemplate", m_pTemplate);
  visitor.field("m_pSiteTemplate", m_pSiteTemplate);
  visitor.field("m_pExtraFields", m_pExtraFields);
  visitor.field("m_pDBase", m_pDBase);
  visitor.field("m_pIndProdData", m_pIndProdData);
  visitor.field("m_nFormatVersion", m_nFormatVersion);
  visitor.field("m_pOrderNotifyData", m_pOrderNotifyData);
  visitor.field("m_pCouponData", m_pCouponData);
  visitor.field("m_pWebFileList", m_pWebFileList);
  visitor.field("m_pOrderServerFileList", m_pOrderServerFileList);
  visitor.field("m_pGlobalPage", m_pGlobalPage);
  visitor.field("m_pCategoriesPage", m_pCategoriesPage);
}

}  // namespace quorvex
