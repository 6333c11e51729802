#include "company/brenquil_doc.h"

#include <system_error>

#include "company/class_table.h"
#include "document/archive_reader.h"
#include "document/archive_writer.h"
#include "document/field_visitor.h"
#include "document/string_array.h"
#include "platform/atomic_file.h"
#include "platform/regular_file.h"
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

template <class Walk>
void CBrenquilDoc::walkMembers(Walk& walk) {
  walk.text("m_strCompanyName", m_strCompanyName);
  walk.record("m_pBusiness", m_pBusiness, 0);
  walk.record("m_pFtp", m_pFtp, 0);
  walk.record("m_pShipping", m_pShipping, 0);
  walk.record("m_pContact", m_pContact, 0);
  walk.record("m_pTax", m_pTax, 0);
  walk.placeholders(3, 0, kFormatVersion);
  walk.record("m_pPageData", m_pPageData, 0);
  walk.record("m_pTemplate", m_pTemplate, 0);
  walk.record("m_pSiteTemplate", m_pSiteTemplate, 0);
  walk.record("m_pExtraFields", m_pExtraFields, 0);
  walk.record("m_pDBase", m_pDBase, 0);
  walk.record("m_pIndProdData", m_pIndProdData, 0);
  walk.version("m_nFormatVersion", m_nFormatVersion);
  walk.record("m_pOrderNotifyData", m_pOrderNotifyData, 1);
  walk.record("m_pCouponData", m_pCouponData, 2);
  walk.placeholders(2, 4, 4);
  walk.record("m_pWebFileList", m_pWebFileList, 5);
  walk.record("m_pOrderServerFileList", m_pOrderServerFileList, 5);
  walk.record("m_pGlobalPage", m_pGlobalPage, 6);
  walk.record("m_pCategoriesPage", m_pCategoriesPage, 7);
}

// A walk that sees only the record members.
template <class Visit>
struct CBrenquilDoc::RecordWalk {
  Visit visit;
  void text(const char*, std::string&) {}
  template <class T>
  void record(const char*, Owned<T>& member, int32_t) { visit(member); }
  void placeholders(int, int32_t, int32_t) {}
  void version(const char*, int32_t&) {}
};

template <class Visit>
void CBrenquilDoc::forEachRecord(Visit visit) {
  RecordWalk<Visit> walk{visit};
  walkMembers(walk);
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

// Writes the members as format version kFormatVersion stores them.
struct CBrenquilDoc::StoreWalk {
  Archive& ar;
  void text(const char*, std::string& value) { ar.io(value); }
  template <class T>
  void record(const char*, Owned<T>& member, int32_t) { ar.ioObject(member); }
  void placeholders(int count, int32_t since, int32_t until) {
    if (since <= kFormatVersion && kFormatVersion <= until) ioPlaceholderLists(ar, count);
  }
  void version(const char*, int32_t&) {
    int32_t version = kFormatVersion;
    ar.io(version);
  }
};

// Reads the members a document of any format version stores. The members
// before the version number are in every document; a document older than
// version 1 ends there, and each later member is read only from the versions
// that store it. Members a document lacks keep their new-document values.
struct CBrenquilDoc::ReadWalk {
  CBrenquilDoc& doc;
  ArchiveReader& ar;
  // The document's format version once read; 0 before, and for a document
  // that ends before its version number.
  int32_t stored = 0;
  bool ended = false;
  // Why the document is refused although its bytes read well; empty for none.
  std::string refusal{};

  void text(const char*, std::string& value) { ar.io(value); }
  template <class T>
  void record(const char*, Owned<T>& member, int32_t since) {
    if (ended || since > stored) return;
    ar.ioObject(member);
    if constexpr (std::is_same_v<T, COrderNotifyData>) {
      if (member) member->loadMissingDefaultTexts(doc.env_);
    }
  }
  void placeholders(int count, int32_t since, int32_t until) {
    if (!ended && since <= stored && stored <= until) ioPlaceholderLists(ar, count);
  }
  void version(const char*, int32_t&) {
    ended = !ar.ok() || ar.atEnd();
    if (!ar.ok()) return;
    doc.makeNewRecordsWhereMissing();
    doc.m_pExtraFields->companyName = doc.m_strCompanyName;
    if (ended) return;
    ar.io(stored);
    if (ar.ok() && stored > kFormatVersion) {
      // Reading such a document in part would lose its newer members at the
      // next save.
      refusal = "the document was written by a newer version of Quorvex (document format " +
                std::to_string(stored) + "); this version reads formats 1 to " +
                std::to_string(kFormatVersion) + " only.";
      ended = true;
      return;
    }
    // Nothing follows a version number below 1.
    ended = stored < 1;
  }
};

std::string CBrenquilDoc::write() {
  ArchiveWriter ar(documentClasses());
  StoreWalk walk{ar};
  walkMembers(walk);
  return ar.bytes();
}

Status CBrenquilDoc::read(std::string_view bytes) {
  m_strCompanyName.clear();
  deleteRecords();

  ArchiveReader ar(bytes, documentClasses());
  ReadWalk walk{*this, ar};
  walkMembers(walk);
  if (!walk.refusal.empty()) {
    makeNewRecords();
    return Status::refused(walk.refusal);
  }
  if (ar.ok() && walk.stored >= 1 && walk.stored <= 2) {
    // These versions kept the product table's settings in CDBase.
    m_pExtraFields->takeLegacySettings(*m_pDBase);
    m_pExtraFields->migrateLegacyRows(env_);
  }
  if (!ar.ok()) {
    std::string error = ar.error();
    makeNewRecords();
    return Status::corruption(error);
  }
  makeNewRecordsWhereMissing();
  repairAfterReading();
  m_nFormatVersion = kFormatVersion;
  return Status::success();
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

Status CBrenquilDoc::open(const fs::path& file) {
  std::string bytes;
  Status status = readRegularFile(file, kMaxFileBytes, &bytes);
  if (status.ok()) {
    status = read(bytes).prefixed(file.string() + " is not a valid Quorvex document: ");
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

// Names every member for the JSON form, in the stored order.
struct CBrenquilDoc::JsonWalk {
  FieldVisitor& visitor;
  void text(const char* name, std::string& value) { visitor.field(name, value); }
  template <class T>
  void record(const char* name, Owned<T>& member, int32_t) { visitor.field(name, member); }
  void placeholders(int, int32_t, int32_t) {}
  void version(const char* name, int32_t& value) { visitor.field(name, value); }
};

void CBrenquilDoc::visitFields(FieldVisitor& visitor) {
  JsonWalk walk{visitor};
  walkMembers(walk);
}

}  // namespace quorvex
