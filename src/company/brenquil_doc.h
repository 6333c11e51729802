#ifndef QUORVEX_COMPANY_BRENQUIL_DOC_H_
#define QUORVEX_COMPANY_BRENQUIL_DOC_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/business.h"
#include "document/contact.h"
#include "document/coupon_data.h"
#include "document/record.h"
#include "document/shipping.h"
#include "document/tax.h"
#include "platform/env.h"
#include "platform/status.h"
#include "products/dbase.h"
#include "products/extra_fields.h"
#include "publish/file_list.h"
#include "publish/ftp_settings.h"
#include "publish/order_notify_data.h"
#include "site/ind_prod_data.h"
#include "site/page.h"
#include "site/page_data.h"
#include "site/site_template.h"
#include "site/style_template.h"

namespace quorvex {

class FieldVisitor;

// The company document: every record of one company. Its stored members are
// the first bytes of a .qvx file, with no tag and no header; the records are
// tagged objects of the binary archive. The document owns all its records;
// each member is created with the document, replaced as a whole by a read and
// never null between operations.
class CBrenquilDoc {
 public:
  // The format version every save writes.
  static constexpr int32_t kFormatVersion = 7;
  // The largest document file open() reads: far above what a company's
  // records take, low enough that a wrong file cannot exhaust memory.
  static constexpr size_t kMaxFileBytes = size_t{64} << 20;
  // The title of a document that has no company yet.
  static constexpr const char* kNewTitle = "New Company";

  // A new document; `env` gives the home whose "Template Common" holds the
  // default order texts, and must outlive the document.
  explicit CBrenquilDoc(const Env& env);
  CBrenquilDoc(const CBrenquilDoc&) = delete;
  CBrenquilDoc& operator=(const CBrenquilDoc&) = delete;

  // Deletes every record and makes it afresh with its new-document value; the
  // company name becomes "". The format version, the images folder names and
  // the working folder are not touched; nor are the title and path.
  void makeNewRecords();

  // Gives every member that holds no record (a null object in a file or in
  // the JSON form) its new-document value.
  void makeNewRecordsWhereMissing();

  // Brings a document just read (from a file or from the JSON form) to the
  // shape the program keeps: the download page is in the page list, an old
  // index name gives way to its site template's name, the site-wide pages
  // carry their labels, and dropped zip-code rates are reported. A document
  // so repaired writes and reads back unchanged.
  void repairAfterReading();

  // The document in the archive format, version 7.
  std::string write();

  // Reads a document of any format version from 1 to 7 (and the older and
  // unknown forms the format allows). Succeeds as a whole or fails with one
  // format error that says what was expected at which byte offset; after a
  // failure the document holds new-document values.
  Status read(std::string_view bytes);

  // Open: reads the file; on success the path becomes `file` and the title the
  // company name; on failure the document is new, without path, titled "New
  // Company", and the status names the file and what is wrong.
  Status open(const std::filesystem::path& file);

  // Save: writes the document to `file` atomically (a crash never leaves a
  // damaged file); on success `file` becomes the document's path and the
  // title follows the company name.
  Status save(const std::filesystem::path& file);

  // Requesting "New Company" sets exactly that; any other request sets the
  // company name.
  void setTitle(const std::string& requested);
  const std::string& title() const { return title_; }
  // The file the document was read from or saved to; empty for none.
  const std::filesystem::path& path() const { return path_; }

  // Names every member for the JSON form (keys are the member names).
  void visitFields(FieldVisitor& visitor);

  std::string m_strCompanyName;
  Owned<CBusiness> m_pBusiness;
  Owned<CFtp> m_pFtp;
  Owned<CShipping> m_pShipping;
  Owned<CContact> m_pContact;
  Owned<CTax> m_pTax;
  Owned<CPageData> m_pPageData;
  Owned<CTemplate> m_pTemplate;
  Owned<CSiteTemplate> m_pSiteTemplate;
  Owned<CExtraFields> m_pExtraFields;
  Owned<CDBase> m_pDBase;
  Owned<CIndProdData> m_pIndProdData;
  int32_t m_nFormatVersion = kFormatVersion;
  Owned<COrderNotifyData> m_pOrderNotifyData;
  Owned<CCouponData> m_pCouponData;
  // Files published to the user's own web server.
  Owned<CFileList> m_pWebFileList;
  // Files uploaded to the order server.
  Owned<CFileList> m_pOrderServerFileList;
  Owned<CPage> m_pGlobalPage;
  Owned<CPage> m_pCategoriesPage;
  // Not stored: the images folder of the site and its web form, and the
  // working folder of Save and Save As.
  std::string m_strImagesDir = "Images\\";
  std::string m_strImagesUrl = "Images/";
  std::string m_strSaveDir;

 private:
  // Calls `walk` with every member in its stored order: text(name, value)
  // for the company name, record(name, member, since) for a record member
  // stored by format versions `since` and later (0: before the version
  // number), placeholders(count, since, until) for the placeholder string
  // lists that versions `since` to `until` store, and version(name, value)
  // for the format version number. Saving, reading, the JSON form and the
  // record lifecycle all walk this one list.
  template <class Walk>
  void walkMembers(Walk& walk);
  template <class Visit>
  struct RecordWalk;
  struct StoreWalk;
  struct ReadWalk;
  struct JsonWalk;
  // Calls `visit` with every record member.
  template <class Visit>
  void forEachRecord(Visit visit);
  void deleteRecords();
  // Gives the two site-wide pages the labels the program knows them by.
  void labelSiteWidePages();

  const Env& env_;
  std::string title_ = kNewTitle;
  std::filesystem::path path_;
};

}  // namespace quorvex

#endif  // QUORVEX_COMPANY_BRENQUIL_DOC_H_
