#include <gtest/gtest.h>

#include "company/brenquil_doc.h"
#include "company/document_json.h"
#include "document/archive_writer.h"
#include "platform/scripted_prompter.h"
#include "site/page_type.h"
#include "support/archive_bytes.h"
#include "support/stored_document_writer.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::StoredDocumentWriter;
using testing::TempDir;

class DocumentTest : public ::testing::Test {
 protected:
  DocumentTest() : env_(home_.path(), prompter_) {}

  // A document with something in every record the tests look at.
  void fillSample(CBrenquilDoc& doc) {
    doc.m_strCompanyName = "Acme \xE9quipement";
    doc.m_pExtraFields->companyName = doc.m_strCompanyName;
    doc.m_pContact->url = "www.acme.example";
    doc.m_pFtp->extraOrigins = "https://shop.acme.example, http://localhost:8080";
    doc.m_pBusiness->currencySymbol = "\x80";
    doc.m_pPageData->addPages(kHomePageType, 1);
    doc.m_pPageData->addPages(kInfoPageType, 2);
    doc.m_pPageData->addPages(kProductPageType, 1);
    doc.m_pPageData->addPages(kContactPageType, 1);
  }

  // The bytes of `doc` laid out as format `version` stores it: the tail
  // members that version holds, and the extra lists version 4 carried.
  // `legacy_dbase` replaces the CDBase object by hand-made bytes of an older
  // schema (only for versions that hold no class back-reference after it).
  std::string bytesOfVersion(CBrenquilDoc& doc, int32_t version,
                             std::vector<std::string> placeholder_text = {},
                             std::string legacy_dbase = "") {
    StoredDocumentWriter writer;
    writer.writeStart(doc, placeholder_text);
    ArchiveWriter& ar = writer.archive();
    ar.ioObject(doc.m_pPageData);
    ar.ioObject(doc.m_pTemplate);
    ar.ioObject(doc.m_pSiteTemplate);
    ar.ioObject(doc.m_pExtraFields);
    if (legacy_dbase.empty()) {
      ar.ioObject(doc.m_pDBase);
    } else {
      ar.ioBytes(legacy_dbase.data(), legacy_dbase.size());
    }
    ar.ioObject(doc.m_pIndProdData);
    if (version == 0) return ar.bytes();  // older than version 1: ends here
    ar.io(version);
    if (version < 1 || version > 7) return ar.bytes();
    ar.ioObject(doc.m_pOrderNotifyData);
    if (version >= 2) ar.ioObject(doc.m_pCouponData);
    if (version == 4) {
      writer.writePlaceholder({"dropped"});
      writer.writePlaceholder({"dropped"});
    }
    if (version >= 5) {
      ar.ioObject(doc.m_pWebFileList);
      ar.ioObject(doc.m_pOrderServerFileList);
    }
    if (version >= 6) ar.ioObject(doc.m_pGlobalPage);
    if (version >= 7) ar.ioObject(doc.m_pCategoriesPage);
    return ar.bytes();
  }

  TempDir home_;
  ScriptedPrompter prompter_;
  Env env_;
};

TEST_F(DocumentTest, NewDocumentWritesReadsAndWritesTheSameBytes) {
  CBrenquilDoc doc(env_);
  std::string first = doc.write();
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first[0], '\0');  // the empty company name
  CBrenquilDoc again(env_);
  ASSERT_TRUE(again.read(first).ok());
  EXPECT_EQ(again.write(), first);
  EXPECT_EQ(documentToJson(again), documentToJson(doc));
}

TEST_F(DocumentTest, AcmeBeginsAsTheWorkedExample) {
  CBrenquilDoc doc(env_);
  doc.m_strCompanyName = "Acme";
  std::string bytes = doc.write();
  CBusiness business;
  std::string business_object = testing::writeObject(business);
  std::string business_tag = std::string("\xFF\xFF\x02\x00\x09\x00", 6) + "CBusiness";
  ASSERT_EQ(business_object.substr(0, business_tag.size()), business_tag);
  ArchiveBytes expected;
  expected.raw(std::string("\x04\x41\x63\x6D\x65", 5))
      .raw(business_object)
      .raw(std::string("\xFF\xFF\x0A\x00\x04\x00", 6)).raw("CFtp");
  EXPECT_EQ(bytes.substr(0, expected.bytes().size()), expected.bytes());
}

TEST_F(DocumentTest, PlaceholderListsAreWrittenEmptyWithOneClassDescription) {
  CBrenquilDoc doc(env_);
  std::string bytes = doc.write();
  // Classes and objects of the five records before them take indexes 1 to 10.
  ArchiveBytes placeholders;
  placeholders.newClass("CStringArray", 0).count(0)
      .newObjectOf(11).count(0)
      .newObjectOf(11).count(0);
  EXPECT_NE(bytes.find(placeholders.bytes()), std::string::npos);
}

TEST_F(DocumentTest, ReadsEveryFormatVersion) {
  CBrenquilDoc source(env_);
  fillSample(source);
  source.m_pCouponData->coupons.emplace_back().couponName = "SPRING";
  source.m_pWebFileList->entries.emplace_back().localFile = "index.html";
  source.m_pGlobalPage->label = "stored global";
  source.m_pCategoriesPage->label = "stored categories";
  for (int32_t version = 1; version <= 7; ++version) {
    SCOPED_TRACE(version);
    CBrenquilDoc doc(env_);
    ASSERT_TRUE(doc.read(bytesOfVersion(source, version, {"kept nowhere"})).ok());
    EXPECT_EQ(doc.m_strCompanyName, source.m_strCompanyName);
    EXPECT_EQ(doc.m_pExtraFields->companyName, source.m_strCompanyName);
    EXPECT_EQ(doc.m_pPageData->count(), source.m_pPageData->count());
    EXPECT_EQ(doc.m_pCouponData->coupons.size(), version >= 2 ? 1u : 0u);
    EXPECT_EQ(doc.m_pWebFileList->entries.size(), version >= 5 ? 1u : 0u);
    EXPECT_EQ(doc.m_pGlobalPage->label, "Global");
    EXPECT_EQ(doc.m_pCategoriesPage->label, "ProductCategories");
    EXPECT_EQ(doc.m_nFormatVersion, 7);
    // Whatever was read, the next save is version 7 without the old lists.
    CBrenquilDoc rewritten(env_);
    ASSERT_TRUE(rewritten.read(doc.write()).ok());
    EXPECT_EQ(rewritten.write(), doc.write());
  }
}

TEST_F(DocumentTest, VersionOneAndTwoMoveTheLegacyProductSettings) {
  CBrenquilDoc source(env_);
  ArchiveBytes legacy;
  legacy.newClass("CDBase", 2).str("C:\\Shop\\stock.csv").int32(1).raw(";").raw("\"");
  for (int32_t position : {0, 2, 3, 4, 1}) legacy.int32(position);
  legacy.count(1).str("Tools").count(1).str("Hand tools").int32(1);
  for (int32_t version : {1, 2, 3}) {
    SCOPED_TRACE(version);
    CBrenquilDoc doc(env_);
    ASSERT_TRUE(doc.read(bytesOfVersion(source, version, {}, legacy.bytes())).ok());
    // Versions 1 and 2 kept the product table's settings in CDBase; they move
    // into the product table. Later versions keep them in the table itself.
    bool moved = version <= 2;
    EXPECT_EQ(doc.m_pExtraFields->sourcePath == "C:\\Shop\\stock.csv", moved);
    EXPECT_EQ(doc.m_pExtraFields->delimiter == ';', moved);
    if (moved) {
      EXPECT_EQ(doc.m_pExtraFields->headerLines, 1);
      EXPECT_EQ(doc.m_pExtraFields->columnIndex[2], 3);
      EXPECT_EQ(doc.m_pExtraFields->categoryNames, std::vector<std::string>{"Tools"});
      EXPECT_EQ(doc.m_pExtraFields->inProgram, 1);
    }
  }
}

TEST_F(DocumentTest, MissingOrUnknownVersionLeavesTheTailNew) {
  CBrenquilDoc source(env_);
  fillSample(source);
  source.m_pCouponData->coupons.emplace_back();
  for (int32_t version : {0, -1}) {
    SCOPED_TRACE(version);
    std::string bytes = bytesOfVersion(source, version);
    bytes += "whatever follows an unknown version is not read";
    if (version == 0) bytes = bytesOfVersion(source, 0);
    CBrenquilDoc doc(env_);
    ASSERT_TRUE(doc.read(bytes).ok());
    EXPECT_EQ(doc.m_strCompanyName, source.m_strCompanyName);
    EXPECT_TRUE(doc.m_pCouponData->coupons.empty());
    EXPECT_EQ(doc.m_pGlobalPage->label, "Global");
    EXPECT_TRUE(prompter_.texts().empty());
  }
}

// Reading such a document in part would lose its tail at the next save.
TEST_F(DocumentTest, ANewerFormatVersionIsRefused) {
  CBrenquilDoc source(env_);
  fillSample(source);
  for (int32_t version : {8, 1000}) {
    SCOPED_TRACE(version);
    std::filesystem::path file =
        home_.write("Newer.qvx", bytesOfVersion(source, version) + "members of a newer format");
    CBrenquilDoc doc(env_);
    Status status = doc.open(file);
    ASSERT_EQ(status.code(), Status::Code::kRefused);
    EXPECT_TRUE(status.message().starts_with(file.string())) << status.message();
    EXPECT_TRUE(status.message().ends_with(
        "the document was written by a newer version of Quorvex (document format " +
        std::to_string(version) + "); this version reads formats 1 to 7 only."))
        << status.message();
    EXPECT_EQ(doc.m_strCompanyName, "");
    EXPECT_TRUE(doc.path().empty());
  }
}

TEST_F(DocumentTest, RefusesAPageClassOfAnotherSchema) {
  CBrenquilDoc doc(env_);
  std::string bytes = doc.write();
  std::string tag = std::string("\xFF\xFF\x04\x00\x05\x00", 6) + "CPage";
  size_t at = bytes.find(tag);
  ASSERT_NE(at, std::string::npos);
  bytes[at + 2] = 5;
  CBrenquilDoc broken(env_);
  Status status = broken.read(bytes);
  EXPECT_EQ(status.code(), Status::Code::kCorruption);
  EXPECT_NE(status.message().find("schema 4 of class CPage, not 5"), std::string::npos)
      << status.message();
}

TEST_F(DocumentTest, EveryTruncationIsRefusedOrEndsBeforeTheVersion) {
  CBrenquilDoc source(env_);
  fillSample(source);
  std::string bytes = source.write();
  size_t before_version = bytesOfVersion(source, 0).size();
  for (size_t length = 0; length < bytes.size(); ++length) {
    CBrenquilDoc doc(env_);
    Status status = doc.read(std::string_view(bytes).substr(0, length));
    EXPECT_EQ(status.ok(), length == before_version) << length;
    if (!status.ok()) {
      EXPECT_EQ(doc.m_strCompanyName, "");
      EXPECT_EQ(doc.m_pPageData->count(), 0u);
    }
  }
}

TEST_F(DocumentTest, FailedOpenLeavesANewDocumentTitledNewCompany) {
  CBrenquilDoc doc(env_);
  fillSample(doc);
  std::filesystem::path good = home_.path() / "Acme.qvx";
  ASSERT_TRUE(doc.save(good).ok());
  EXPECT_EQ(doc.title(), doc.m_strCompanyName);

  std::string bytes = doc.write();
  std::filesystem::path bad = home_.write("Broken.qvx", bytes.substr(0, 40));
  CBrenquilDoc opened(env_);
  ASSERT_TRUE(opened.open(good).ok());
  EXPECT_EQ(opened.title(), doc.m_strCompanyName);
  EXPECT_EQ(opened.open(home_.path() / "Missing.qvx").code(), Status::Code::kNotFound);
  Status status = opened.open(bad);
  ASSERT_EQ(status.code(), Status::Code::kCorruption);
  EXPECT_NE(status.message().find("Broken.qvx"), std::string::npos);
  EXPECT_NE(status.message().find("at byte offset"), std::string::npos) << status.message();
  EXPECT_EQ(opened.title(), "New Company");
  EXPECT_TRUE(opened.path().empty());
  EXPECT_EQ(opened.m_strCompanyName, "");
  EXPECT_EQ(opened.m_pPageData->count(), 0u);
}

TEST_F(DocumentTest, JsonFormRoundTripsTheDocument) {
  CBrenquilDoc doc(env_);
  fillSample(doc);
  Json json = documentToJson(doc);
  EXPECT_EQ(json["m_strCompanyName"], "Acme \u00E9quipement");
  EXPECT_EQ(json["m_pBusiness"]["class"], "CBusiness");
  EXPECT_EQ(json["m_pFtp"]["extraOrigins"], "https://shop.acme.example, http://localhost:8080");
  EXPECT_EQ(json["m_pPageData"]["pages"].size(), doc.m_pPageData->count());
  EXPECT_GE(doc.m_pPageData->count(), 4u);
  CBrenquilDoc loaded(env_);
  ASSERT_TRUE(documentFromJson(json, loaded).ok());
  EXPECT_EQ(loaded.write(), doc.write());

  json["m_pPageData"]["pages"][0]["class"] = "CBusiness";
  Status status = documentFromJson(json, loaded);
  EXPECT_EQ(status.message(),
            "document.m_pPageData.pages[0]: class \"CBusiness\" is unknown or cannot stand here");
  json = documentToJson(doc);
  json["m_pUnknown"] = 1;
  EXPECT_EQ(documentFromJson(json, loaded).message(), "document: unknown field \"m_pUnknown\"");
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

// The seed documents of the fuzzer cover every format version; each that
// this program knows reads, and its JSON form loads back into the same
// document. The seed of a newer format (acme-v9) is refused whole.
TEST(DocumentCorpus, EverySeedDocumentRoundTripsThroughJson) {
  ScriptedPrompter prompter;
  testing::TempDir home;
  Env env(home.path(), prompter);
  int documents = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(QUORVEX_SOURCE_DIR "/fuzz/corpus/document_reader")) {
    SCOPED_TRACE(entry.path().filename().string());
    CBrenquilDoc doc(env);
    Status opened = doc.open(entry.path());
    if (entry.path().stem() == "acme-v9") {
      EXPECT_FALSE(opened.ok());
      continue;
    }
    ASSERT_TRUE(opened.ok()) << opened.message();
    CBrenquilDoc loaded(env);
    ASSERT_TRUE(documentFromJson(documentToJson(doc), loaded).ok());
    EXPECT_EQ(loaded.write(), doc.write());
    ++documents;
  }
  EXPECT_GE(documents, 8);
}

}  // namespace
}  // namespace quorvex
