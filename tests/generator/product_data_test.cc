#include "generator/product_data.h"

#include <gtest/gtest.h>

#include "generator/site_fixture.h"
#include "site/page_type.h"
#include "site/spec_category_page.h"

namespace quorvex::testing {
namespace {

// A PriceList.txt row: part number, description, price, category, then the
// columns from Sales Description (5) on as given.
std::string row(const std::string& part, const std::string& description, const std::string& price,
                const std::string& category,
                const std::string& rest = "\"\",\"http://\",\"\",0,0,0,1,\"\",\"\",0,2,1") {
  return "\"" + part + "\",\"" + description + "\",\"" + price + "\",\"1\"," + category + "," +
         rest;
}

class ProductDataTest : public SiteFixture {
 protected:
  std::string products() { return fieldIn(siteFile("shop.html"), "products"); }
  std::string categories() { return fieldIn(siteFile("shop.html"), "categories"); }
  // Makes the shop template one of the kind that predates display styles.
  void useOldStyleShop() {
    writeFile("Template Common/shop.html",
              "$[quorvex_version]products=$[products]|categories=$[categories]|");
  }
};

TEST_F(ProductDataTest, PublishedRowsGroupedBySortedCategory) {
  writePriceList(
      {row("b1", "first b", "1", "b"), row("B1", "first B", "2", "B"),
       row("a1", "first a", "3", "a"), row("b2", "second b", "4", "b"),
       row("x1", "hidden", "5", "DO NOT PUBLISH"),
       row("x2", "unpublished", "6", "a", "\"\",\"http://\",\"\",0,0,1,1,\"\",\"\",0,2,1")});
  useOldStyleShop();
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  auto item = [&](int i, const char* part, const char* description, const char* price,
                  const char* category) {
    return "productList[" + std::to_string(i) + "] = product['" + part + "'] = new products('" +
           category + "','" + description + "','" + part + "','" + price +
           "','1','','0','','','','-1','-1',1);\r\n";
  };
  // B sorts before a and b (byte order); b1 and b2 keep their table order.
  EXPECT_EQ(products(), item(0, "B1", "first B", "2", "B") + item(1, "a1", "first a", "3", "a") +
                            item(2, "b1", "first b", "1", "b") +
                            item(3, "b2", "second b", "4", "b"));
  EXPECT_EQ(categories(),
            "category['B'] = new categories('B','B',0,0,'');\r\n"
            "category['a'] = new categories('a','a',1,1,'');\r\n"
            "category['b'] = new categories('b','b',2,3,'');\r\n");
  // Every row, published or not, is in the price list of the order server.
  EXPECT_EQ(siteFile("products.txt"), "b1|1|B1|2|a1|3|b2|4|x1|5|x2|6");
}

TEST_F(ProductDataTest, StatementPartsAreEscapedAndFlagged) {
  writePriceList({
      row("O'Neil", "Joe's (big) hammer", "9.95", "Tools",
          "\"Great\",\"http://x.example/a\",\"\",0,2,0,0,\"\",\"\",0,2,0"),
      row("P2", "Pliers", "4", "Tools", "\"\",\"http://\",\"\",0,1,0,1,\"\",\"\",0,2,1"),
  });
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(products(),
            "productList[0] = product['O_Neil'] = new products('Tools','Joe\\'s \\(big\\) hammer',"
            "'O_Neil','9.95','1','x','','','','http://x.example/a','x','','-1','-1',0);\r\n"
            "productList[1] = product['P2'] = new products('Tools','Pliers','P2','4','1','','',"
            "'','','x','','','-1','-1',1);\r\n");
  EXPECT_EQ(categories(), "category[0] = new categories('Tools','Tools');\r\n");
  const std::string shop = siteFile("shop.html");
  EXPECT_EQ(fieldIn(shop, "featured_items"), "1");
  EXPECT_EQ(fieldIn(shop, "product_file"), "Product.html");
  EXPECT_EQ(fieldIn(shop, "currency"), "$");
  // A featured item brings the featured items page.
  EXPECT_TRUE(siteHas("featuredItems.html"));
}

TEST_F(ProductDataTest, OldStyleShopWritesFeatureSelections) {
  doc_.m_pExtraFields->featureDefinitions = {CProductFeature("Size", {"S", "M", "L"}),
                                             CProductFeature("Colour", {"Red", "Blue"})};
  writePriceList(
      {row("T1", "Shirt", "20", "Wear", "\"\",\"http://\",\"\",0,0,0,1,\"\",\"\",0,2,1,101,00"),
       row("E1", "E-book", "5", "Wear",
           "\"\",\"http://\",\"\",0,0,0,1,\"file.pdf\",\"pw\",1,0,1,111,11")});
  useOldStyleShop();
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string shop = products();
  EXPECT_NE(shop.find("'T1','20','1','','2','getFeatures(featureArray[0],true,false,true)',"
                      "'false','',"),
            std::string::npos)
      << shop;
  // A downloaded item offers no features.
  EXPECT_NE(shop.find("'E1','5','1','','-1','false','false','',"), std::string::npos) << shop;
}

TEST_F(ProductDataTest, CategoryPagesAreLinkedByLabel) {
  doc_.m_pPageData->addPages(kSpecCategoryPageType, 1);
  CPage& page = doc_.m_pPageData->at(doc_.m_pPageData->count() - 1);
  page.setLabel("Tool Deals");
  doc_.m_pExtraFields->categoryPageLinks = {"Tools:Tool Deals", "Wear:Gone Page"};
  writePriceList({row("A1", "Hammer", "1", "Tools"), row("W1", "Shirt", "2", "Wear")});
  useOldStyleShop();
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(categories(),
            "category['Tools'] = new categories('Tools','Tools',0,0,'Tool_Deals.html');\r\n"
            "category['Wear'] = new categories('Wear','Wear',1,1,'');\r\n");
  // The assignment to a page that does not exist is dropped.
  EXPECT_EQ(doc_.m_pExtraFields->categoryPageLinks,
            (std::vector<std::string>{"Tools:Tool Deals", "Wear:"}));
}

TEST_F(ProductDataTest, PicturesAreReducedOnceAndSmallOnesCopied) {
  doc_.m_pExtraFields->imageWidth = 100;
  writePicture("pics/photo.png", 400, 300);
  writePicture("pics/small pic.jpg", 50, 40);
  writeFile("pics/broken.png", "not a picture");
  const std::string flags = ",2,0,0,1,\"\",\"\",0,2,1";
  writePriceList(
      {row("P1", "One", "1", "Pics", "\"\",\"http://\",\"pics\\photo.png\"" + flags),
       row("P2", "Two", "1", "Pics", "\"\",\"http://\",\"pics\\photo.png\"" + flags),
       row("P3", "Small", "1", "Pics", "\"\",\"http://\",\"pics\\small pic.jpg\"" + flags),
       row("P4", "Broken", "1", "Pics", "\"\",\"http://\",\"pics\\broken.png\"" + flags)});
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string shop = products();
  EXPECT_EQ(imageSizeOf("photo-item.jpg"), std::make_pair(100, 75));
  EXPECT_NE(shop.find("'P1','1','1','','','','','','','Images/photo-item.jpg','100','75',1"),
            std::string::npos)
      << shop;
  EXPECT_NE(shop.find("'P2','1','1','','','','','','','Images/photo-item.jpg','100','75',1"),
            std::string::npos);
  EXPECT_EQ(imageSizeOf("small_pic.jpg"), std::make_pair(50, 40));
  EXPECT_NE(shop.find("'Images/small_pic.jpg','50','40'"), std::string::npos);
  EXPECT_NE(shop.find("'Images/broken.png','-1','-1'"), std::string::npos);
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{
                "WARNING: File \"pics\\broken.png\" does not seem to be a valid product image."});
  std::vector<std::string> web = entries(*doc_.m_pWebFileList);
  for (const char* name : {"Images/photo-item.jpg", "Images/small_pic.jpg", "Images/broken.png"}) {
    EXPECT_EQ(std::count(web.begin(), web.end(), name), 1) << name;
  }

  // Without resizing, pictures are placed: converted to JPEG at their size.
  doc_.m_pExtraFields->imageResizeAll = 0;
  ASSERT_EQ(build(), WorkerState::kFinished);
  EXPECT_EQ(imageSizeOf("photo.jpg"), std::make_pair(400, 300));
  EXPECT_NE(products().find("'Images/photo.jpg','400','300'"), std::string::npos);
  // The reduced picture of the last run is no longer produced.
  EXPECT_FALSE(siteHas("Images/photo-item.jpg"));
}

}  // namespace
}  // namespace quorvex::testing
