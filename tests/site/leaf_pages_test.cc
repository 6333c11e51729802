#include <gtest/gtest.h>

#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/ind_prod_page.h"
#include "site/order_form_page.h"
#include "site/plain_pages.h"
#include "site/spec_category_page.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

// The page and full-page parts of `page` as written, to which the tests add
// the page class's own part by hand.
std::string sharedParts(const CFullPage& page) {
  CFullPage shared = page;
  return writeInline(shared);
}

TEST(PlainPagesStoredForm, OwnPartIsVersionOneOnly) {
  CNewspaperPage page;
  page.mainText2 = "third";
  const std::string shared = sharedParts(page);
  EXPECT_EQ(writeInline(page), ArchiveBytes().raw(shared).int32(1).bytes());

  // Any stored version is read and ignored.
  CNewspaperPage back;
  size_t consumed = 0;
  const std::string stored = ArchiveBytes().raw(shared).int32(7).bytes();
  ASSERT_EQ(readInline(stored, back, &consumed), "");
  EXPECT_EQ(consumed, stored.size());
  EXPECT_EQ(back, page);
}

TEST(ContactPageStoredForm, ChecksInVersionOneOnly) {
  CContactPage page;
  page.contactChecks.phoneChecks.emplace_back("Office", 0);
  page.contactChecks.emailChecks.emplace_back("Sales", 1);
  const std::string shared = sharedParts(page);
  const std::string expected = ArchiveBytes()
                                   .raw(shared)
                                   .int32(1)
                                   .int32(1)                        // checks version
                                   .count(1).int32(1).str("Sales").int32(1)  // e-mail
                                   .count(1).int32(1).str("Office").int32(0)  // phone
                                   .count(0)                        // addresses
                                   .bytes();
  EXPECT_EQ(writeInline(page), expected);

  CContactPage back;
  ASSERT_EQ(readInline(expected, back), "");
  EXPECT_EQ(writeInline(back), expected);

  CContactPage unknown;
  size_t consumed = 0;
  ASSERT_EQ(readInline(ArchiveBytes().raw(shared).int32(2).int32(1).bytes(), unknown, &consumed),
            "");
  EXPECT_EQ(consumed, shared.size() + 4);
  EXPECT_TRUE(unknown.contactChecks.phoneChecks.empty());
}

TEST(DownloadPageStoredForm, ReservedIntKeptAsRead) {
  CDownloadPage page;
  const std::string shared = sharedParts(page);
  EXPECT_EQ(writeInline(page), ArchiveBytes().raw(shared).int32(1).int32(0).bytes());
  CDownloadPage back;
  ASSERT_EQ(readInline(ArchiveBytes().raw(shared).int32(1).int32(77).bytes(), back), "");
  EXPECT_EQ(back.reserved, 77);
  EXPECT_EQ(writeInline(back), ArchiveBytes().raw(shared).int32(1).int32(77).bytes());
}

TEST(SpecCategoryPageStoredForm, WhichCategory) {
  CSpecCategoryPage page;
  page.whichCategory = "Garden";
  const std::string shared = sharedParts(page);
  const std::string expected = ArchiveBytes().raw(shared).int32(1).str("Garden").bytes();
  EXPECT_EQ(writeInline(page), expected);
  CSpecCategoryPage back;
  ASSERT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, page);
  CSpecCategoryPage unknown;
  ASSERT_EQ(readInline(ArchiveBytes().raw(shared).int32(3).str("Garden").bytes(), unknown), "");
  EXPECT_EQ(unknown.whichCategory, "");
}

TEST(IndProdPageStoredForm, VersionTwoOverridesTheImageSize) {
  CIndProdPage page;
  page.label = "PN-1";
  page.resizePageImage = 1;
  page.pageImageWidth = 200;
  const std::string shared = sharedParts(page);
  EXPECT_EQ(writeInline(page), ArchiveBytes().raw(shared).int32(1).bytes());

  CIndProdPage two;
  size_t consumed = 0;
  const std::string v2 = ArchiveBytes().raw(shared).int32(2).int32(0).int32(90).bytes();
  ASSERT_EQ(readInline(v2, two, &consumed), "");
  EXPECT_EQ(consumed, v2.size());
  EXPECT_EQ(two.label, "PN-1");
  EXPECT_EQ(two.resizePageImage, 0);
  EXPECT_EQ(two.pageImageWidth, 90);
}

TEST(OrderFormPageStoredForm, ExtraFieldsFromVersionTwo) {
  COrderFormPage page;
  CExtraOrderField& field = page.extraFields.emplace_back();
  field.description = "Gift note";
  field.identifier = "giftNote";
  field.maxLength = "80";
  field.fieldSize = "40";
  const std::string shared = sharedParts(page);
  const std::string expected = ArchiveBytes()
                                   .raw(shared)
                                   .int32(2)
                                   .count(1)
                                   .int32(1).str("Gift note").str("giftNote").str("80").str("40")
                                   .bytes();
  EXPECT_EQ(writeInline(page), expected);
  COrderFormPage back;
  ASSERT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, page);

  COrderFormPage one;
  size_t consumed = 0;
  ASSERT_EQ(readInline(ArchiveBytes().raw(shared).int32(1).count(1).bytes(), one, &consumed), "");
  EXPECT_EQ(consumed, shared.size() + 4);
  EXPECT_TRUE(one.extraFields.empty());
}

}  // namespace
}  // namespace quorvex
