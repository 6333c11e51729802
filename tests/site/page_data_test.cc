#include <gtest/gtest.h>

#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/order_form_page.h"
#include "site/page_data.h"
#include "site/plain_pages.h"
#include "site/product_page.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

std::vector<std::string> labels(const CPageData& list) {
  std::vector<std::string> result;
  for (size_t i = 0; i < list.count(); ++i) result.push_back(list.at(i).getLabel());
  return result;
}

std::vector<int32_t> types(const CPageData& list) {
  std::vector<int32_t> result;
  for (size_t i = 0; i < list.count(); ++i) result.push_back(list.at(i).getType());
  return result;
}

TEST(PageListAddPages, NumbersOnFromThePagesOfTheType) {
  CPageData list;
  list.addPages(4002, 1);
  list.addPages(4000, 1);
  list.addPages(4002, 2);
  EXPECT_EQ(labels(list), (std::vector<std::string>{"Info", "Home", "Info 2", "Info 3"}));
  EXPECT_STREQ(list.at(2).className(), "CInfoPage");
  EXPECT_EQ(list.at(3).unstyled, 1);

  // Types without pages of their own to create append nothing.
  for (int32_t type : {4003, 4005, 4006, 4007, 4008, 4009, 4010, 0}) list.addPages(type, 2);
  EXPECT_EQ(list.count(), 4u);
}

TEST(PageListAddPages, ProductGroupAppendsFourPagesPerNumber) {
  CPageData list;
  list.addPages(4004, 2);
  EXPECT_EQ(types(list),
            (std::vector<int32_t>{4003, 4006, 4007, 4012, 4003, 4006, 4007, 4012}));
  EXPECT_EQ(labels(list), (std::vector<std::string>{"Product", "Thank You", "Order Form",
                                                    "Download", "Product 2", "Thank You 2",
                                                    "Order Form 2", "Download 2"}));
  EXPECT_STREQ(list.at(2).className(), "COrderFormPage");
  EXPECT_EQ(list.productPage(), &list.at(0));
}

TEST(PageListAddPages, EveryCreatableTypeMakesItsClass) {
  const std::pair<int32_t, const char*> created[] = {
      {4000, "CHomePage"},     {4001, "CContactPage"},  {4002, "CInfoPage"},
      {4011, "CCouponPage"},   {4012, "CDownloadPage"}, {4013, "CArticlesPage"},
      {4014, "CNewspaperPage"}, {4015, "CMagazinePage"}, {4016, "CSpecCategoryPage"}};
  for (auto [type, class_name] : created) {
    CPageData list;
    list.addPages(type, 1);
    ASSERT_EQ(list.count(), 1u) << type;
    EXPECT_STREQ(list.at(0).className(), class_name);
    EXPECT_EQ(list.at(0).getType(), type);
  }
}

TEST(PageListFollowTypes, RemovesTheFirstSurplusPages) {
  CPageData list;
  list.addPages(4000, 1);
  list.addPages(4002, 3);
  list.addPages(4013, 1);
  list.followTypes({4000, 4002, 4002});
  EXPECT_EQ(labels(list), (std::vector<std::string>{"Home", "Info 2", "Info 3"}));

  // Missing pages are numbered on from those left.
  list.followTypes({4002, 4000, 4002, 4002, 4001});
  EXPECT_EQ(labels(list),
            (std::vector<std::string>{"Home", "Info 2", "Info 3", "Info 3", "Contact"}));
}

TEST(PageListFollowTypes, ProductGroup) {
  CPageData list;
  list.addPages(4000, 1);
  list.followTypes({4000, 4004});
  EXPECT_EQ(types(list), (std::vector<int32_t>{4000, 4003, 4006, 4007, 4012}));

  // Following the same types again keeps exactly one page of each.
  list.followTypes({4004});
  EXPECT_EQ(types(list), (std::vector<int32_t>{4003, 4006, 4007, 4012}));

  list.followTypes({4000, 4002});
  EXPECT_EQ(types(list), (std::vector<int32_t>{4000, 4002}));
  EXPECT_FALSE(list.hasProductPage());
}

TEST(PageListFollowTypes, IncompleteProductGroupGainsAWholeNewGroup) {
  CPageData list;
  list.pages.emplace_back(std::make_unique<CProductPage>());
  list.pages.emplace_back(std::make_unique<CThankYouPage>());
  list.pages.emplace_back(std::make_unique<COrderFormPage>());
  CPageData repaired = list;

  list.followTypes({4004});
  EXPECT_EQ(labels(list),
            (std::vector<std::string>{"Product", "Thank You", "Order Form", "Product",
                                      "Thank You", "Order Form", "Download"}));

  repaired.ensureDownloadPage();
  EXPECT_EQ(labels(repaired),
            (std::vector<std::string>{"Product", "Thank You", "Order Form", "Download"}));
  repaired.ensureDownloadPage();
  EXPECT_EQ(repaired.count(), 4u);
}

TEST(PageListRepair, NothingWithoutTheThreeProductPages) {
  CPageData list;
  list.pages.emplace_back(std::make_unique<CProductPage>());
  list.pages.emplace_back(std::make_unique<CThankYouPage>());
  list.ensureDownloadPage();
  EXPECT_EQ(list.count(), 2u);
}

TEST(PageListQueries, ProductAndCouponPages) {
  CPageData list;
  EXPECT_EQ(list.productPage(), nullptr);
  EXPECT_FALSE(list.hasCouponPage());
  // A page of another class carrying the product type is not the product page.
  list.pages.emplace_back(std::make_unique<CHomePage>());
  list.at(0).pageType = 4003;
  EXPECT_FALSE(list.hasProductPage());
  list.addPages(4011, 1);
  list.addPages(4004, 1);
  EXPECT_TRUE(list.hasCouponPage());
  EXPECT_EQ(list.productPage(), &list.at(2));

  list.at(1).displayedLinks = "Home|";
  list.resetDisplayedLinks();
  for (size_t i = 0; i < list.count(); ++i) EXPECT_EQ(list.at(i).displayedLinks, "ALL");
}

TEST(PageListLabels, ReservedLabelsAndCharacters) {
  const std::string reserved =
      "Sorry, but the page label may not be any of the following reserved labels:\n"
      "  Category, Error, FeaturedItems, Index, JSError, Order, ThankYou, Search, ShipTo, Shop, "
      "View";
  for (const char* label : {"Shop", "sHoP", "index", "FEATUREDITEMS", "jserror", "ThankYou"}) {
    EXPECT_EQ(CPageData::validateLabel(label).message(), reserved) << label;
  }
  for (const char* label : {"Shopping", "Thank You", "Info 2", ""}) {
    EXPECT_TRUE(CPageData::validateLabel(label).ok()) << label;
  }
  const std::string forbidden = "Sorry, page label may not include any of these characters:\n"
                                "<>&\"#%";
  for (const char* label : {"a<b", "R&D", "100%", "#1", "say \"hi\"", "x>"}) {
    EXPECT_EQ(CPageData::validateLabel(label).message(), forbidden) << label;
  }
}

TEST(PageListLabels, UniqueComparedExactly) {
  CPageData list;
  list.addPages(4000, 1);
  list.addPages(4002, 1);
  list.at(1).setLabel("home");
  EXPECT_TRUE(list.checkUnique(0).ok());
  EXPECT_TRUE(list.checkUnique(1).ok());
  list.at(1).setLabel("Home");
  EXPECT_EQ(list.checkUnique(1).message(),
            "Sorry, the Page Label \"Home\" is being used by another page.\n"
            "Please, choose another label before continuing.");
  EXPECT_TRUE(list.checkUnique(5).ok());
}

TEST(PageListStoredForm, ObjectListOfPages) {
  CPageData list;
  list.addPages(4000, 1);
  list.addPages(4002, 2);
  const std::string home = testing::writeInline(list.at(0));
  const std::string info = testing::writeInline(list.at(1));
  const std::string info2 = testing::writeInline(list.at(2));
  // Indexes: 1 CPageData class, 2 the list, 3 CHomePage class, 4 the page,
  // 5 CInfoPage class, 6 the page, 7 the second info page.
  const std::string expected = ArchiveBytes()
                                   .newClass("CPageData", 1)
                                   .count(3)
                                   .newClass("CHomePage", 1).raw(home)
                                   .newClass("CInfoPage", 1).raw(info)
                                   .newObjectOf(5).raw(info2)
                                   .bytes();
  EXPECT_EQ(writeObject(list), expected);

  std::string error;
  Owned<CPageData> back = readObject<CPageData>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(labels(*back), (std::vector<std::string>{"Home", "Info", "Info 2"}));
  EXPECT_STREQ(back->at(1).className(), "CInfoPage");
  EXPECT_EQ(writeObject(*back), expected);

  // An element that is not a page fails the read.
  EXPECT_FALSE(readObject<CPageData>(
      ArchiveBytes().newClass("CPageData", 1).count(1).newClass("CFtpNope", 1).bytes(), &error));
  EXPECT_FALSE(readObject<CPageData>(
      ArchiveBytes().newClass("CPageData", 2).count(0).bytes(), &error));
}

}  // namespace
}  // namespace quorvex
