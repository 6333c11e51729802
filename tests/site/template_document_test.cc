// What reading a company document does with its site and style templates:
// the name of an old site template record is looked up in today's folder, and
// the style of an old document is applied to its pages after opening.

#include <filesystem>
#include <gtest/gtest.h>

#include "company/brenquil_doc.h"
#include "document/archive_writer.h"
#include "site/full_page.h"
#include "support/archive_bytes.h"
#include "support/stored_document_writer.h"
#include "support/template_home.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::ArchiveBytes;
using testing::StoredDocumentWriter;

// A style template record of schema 3 (before button links), which asks to
// be applied to the pages after the document is opened.
ArchiveBytes oldStyle() {
  ArchiveBytes bytes;
  bytes.newClass("CTemplate", 3).str("Meadow").str("Style Templates\\Meadow\\Images\\bg.gif");
  for (int i = 0; i < 6; ++i) bytes.str("");
  bytes.str("#ABCDEF").str("#123456").str("#0000FF").str("#800080").str("10%");
  for (int i = 0; i < 7; ++i) bytes.str("Template Images\\button.gif");
  bytes.count(1).str("Meadow");
  return bytes;
}

// A site template record of schema 2: the template known only by its
// position in the folder of that time.
ArchiveBytes oldSite(int32_t index) {
  ArchiveBytes bytes;
  bytes.newClass("CSiteTemplate", 2).count(0).int32(index).str("").str("home.html").int32(0);
  return bytes;
}

class TemplateDocumentTest : public testing::TemplateHomeTest {
 protected:
  // The bytes of a document older than format version 1 whose style and
  // site template records are `style` and `site`. The document holds a Home
  // page, an Info page and one individual product page; nothing after the
  // hand-made records refers back to an earlier class, so they may stand in
  // the writer's stream.
  std::string oldDocument(const ArchiveBytes& style, const ArchiveBytes& site) {
    CBrenquilDoc doc(env_);
    doc.m_pPageData->addPages(4000, 1);
    doc.m_pPageData->addPages(4002, 1);
    doc.m_pIndProdData->productPages.push_back(makeOwned<CIndProdPage>());
    StoredDocumentWriter writer;
    writer.writeStart(doc);
    ArchiveWriter& ar = writer.archive();
    ar.ioObject(doc.m_pPageData);
    std::string records = style.bytes() + site.bytes();
    ar.ioBytes(records.data(), records.size());
    ar.ioObject(doc.m_pExtraFields);
    ar.ioObject(doc.m_pDBase);
    ar.ioObject(doc.m_pIndProdData);
    return ar.bytes();
  }

  // Writes the site templates of the program's folder as they shipped, and
  // `more`.
  void writeSiteTemplates(std::initializer_list<const char*> more) {
    for (const char* name : {"Basic commerce web site", "Complete commercial web site",
                             "E-Magazine(commerce)", "E-Magazine(no commerce)",
                             "Informative web site", "Interactive web site",
                             "Just add commerce to my site", "Service industry web site",
                             "Site without commerce", "Specific Categories"}) {
      writeSiteFile(name, "A site\nHome Page\n");
    }
    for (const char* name : more) writeSiteFile(name, "A site\nHome Page\n");
  }

  fs::path document_ = home_.path() / "Old.qvx";
};

TEST_F(TemplateDocumentTest, AnOldSiteTemplateIndexIsLookedUpInTodaysFolder) {
  CBrenquilDoc doc(env_);
  // Without a folder, the name is the one the index stood for.
  ASSERT_TRUE(doc.read(oldDocument(oldStyle(), oldSite(4))).ok());
  EXPECT_EQ(doc.m_pSiteTemplate->currentName, "Just add commerce to my site");

  // Templates added later do not count; others of the user's do.
  writeSiteTemplates({});
  ASSERT_TRUE(doc.read(oldDocument(oldStyle(), oldSite(4))).ok());
  EXPECT_EQ(doc.m_pSiteTemplate->currentName, "Just add commerce to my site");
  writeSiteTemplates({"A Garden"});
  ASSERT_TRUE(doc.read(oldDocument(oldStyle(), oldSite(4))).ok());
  EXPECT_EQ(doc.m_pSiteTemplate->currentName, "Interactive web site");
  ASSERT_TRUE(doc.read(oldDocument(oldStyle(), oldSite(40))).ok());
  EXPECT_EQ(doc.m_pSiteTemplate->currentName, "Basic commerce web site");
}

TEST_F(TemplateDocumentTest, OpeningAnOldDocumentAppliesItsStyleToEveryPage) {
  home_.write("Old.qvx", oldDocument(oldStyle(), oldSite(0)));
  CBrenquilDoc doc(env_);
  ASSERT_TRUE(doc.open(document_).ok());
  EXPECT_EQ(doc.m_pTemplate->restyleAfterOpen, 0);
  EXPECT_EQ(doc.m_pTemplate->styleApplied, 0);  // the style step applies it unasked
  ASSERT_EQ(doc.m_pPageData->count(), 2u);
  for (const Owned<CPage>& page : doc.m_pPageData->pages) {
    EXPECT_EQ(page->backColor, "#ABCDEF") << page->label;
    EXPECT_EQ(page->offset, "10%") << page->label;
    EXPECT_EQ(page->backImage, "Style Templates\\Meadow\\Images\\bg.gif");
  }
  const CIndProdPage& product = doc.m_pIndProdData->pageAt(0);
  EXPECT_EQ(product.textColor, "#123456");
  EXPECT_EQ(product.headerFont.color, 0x563412);
  EXPECT_EQ(product.templateFile, "IndividualProdPage.html");

  // Reading alone leaves the pages, and a current document keeps its pages'
  // own look when opened.
  CBrenquilDoc read(env_);
  ASSERT_TRUE(read.read(oldDocument(oldStyle(), oldSite(0))).ok());
  EXPECT_EQ(read.m_pTemplate->restyleAfterOpen, 1);
  EXPECT_EQ(read.m_pPageData->at(0).backColor, "#FFFFFF");
  ASSERT_TRUE(doc.save(document_).ok());
  doc.m_pPageData->at(0).backColor = "#000000";
  ASSERT_TRUE(doc.save(document_).ok());
  CBrenquilDoc current(env_);
  ASSERT_TRUE(current.open(document_).ok());
  EXPECT_EQ(current.m_pPageData->at(0).backColor, "#000000");
  EXPECT_EQ(current.m_pTemplate->styleApplied, 1);
}

}  // namespace
}  // namespace quorvex
