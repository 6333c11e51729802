#include <gtest/gtest.h>

#include "site/ind_prod_data.h"
#include "site/plain_pages.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeInline;
using testing::writeObject;

TEST(IndProdDataStoredForm, ObjectListOfIndividualPages) {
  CIndProdData data;
  for (const char* part_number : {"A-1", "B_2"}) {
    auto page = std::make_unique<CIndProdPage>();
    page->setLabel(part_number);
    page->mainText = std::string("About ") + part_number;
    data.productPages.emplace_back(std::move(page));
  }
  const std::string expected = ArchiveBytes()
                                   .newClass("CIndProdData", 1)
                                   .count(2)
                                   .newClass("CIndProdPage", 1).raw(writeInline(data.pageAt(0)))
                                   .newObjectOf(3).raw(writeInline(data.pageAt(1)))
                                   .bytes();
  EXPECT_EQ(writeObject(data), expected);

  std::string error;
  Owned<CIndProdData> back = readObject<CIndProdData>(expected, &error);
  ASSERT_TRUE(back) << error;
  ASSERT_EQ(back->count(), 2u);
  EXPECT_EQ(back->pageAt(1), data.pageAt(1));

  // Only individual product pages belong in the list.
  CHomePage home;
  EXPECT_FALSE(readObject<CIndProdData>(ArchiveBytes()
                                            .newClass("CIndProdData", 1)
                                            .count(1)
                                            .newClass("CHomePage", 1).raw(writeInline(home))
                                            .bytes(),
                                        &error));
}

}  // namespace
}  // namespace quorvex
