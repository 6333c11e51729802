#include <gtest/gtest.h>

#include "document/coupon_data.h"
#include "generator/commerce_fixture.h"
#include "generator/coupon_fields.h"
#include "generator/image_size.h"
#include "platform/home.h"
#include "platform/strings.h"
#include "site/page_type.h"

namespace quorvex::testing {
namespace {

class CouponFieldsTest : public CommerceFixture {
 protected:
  CouponFieldsTest() {
    doc_.m_pPageData->addPages(kCouponPageType, 1);
    context_.fields.set("companyName", "Acme");
    writeFile("Coupon Templates/Blue Border.html",
              "$[companyName]: $[couponName]|$[couponHeader]|$[couponDescript]|"
              "$[couponExpiration]|\r\n");
  }

  void addCoupon(std::string name, std::string style, int32_t format = CCoupon::kWeekly) {
    CCoupon coupon;
    coupon.couponName = std::move(name);
    coupon.styleName = std::move(style);
    coupon.scheduleFormat = format;
    coupon.beginWeekday = 1;
    coupon.endWeekday = 5;
    doc_.m_pCouponData->coupons.push_back(std::move(coupon));
  }

  // The entries of the web file list as "remoteFolder/remoteName <- source".
  std::vector<std::string> webEntries() const {
    std::vector<std::string> found;
    for (const CFileEntry& entry : doc_.m_pWebFileList->entries) {
      found.push_back(entry.remoteFolder + "/" + entry.remoteName + " <- " + entry.sourceFile);
    }
    return found;
  }

  CouponFields coupons_{context_};
};

TEST_F(CouponFieldsTest, PagesWrittenListedAndNamedInTheList) {
  addCoupon("SummerSale", "blue border", CCoupon::kMonthly);
  CCoupon& summer = doc_.m_pCouponData->coupons.back();
  summer.couponHeader = "Hot\ndeals";
  summer.couponText = "Save (10%)\non tents";
  summer.couponExpiration = "Ends\nsoon";
  summer.beginDate = 4;
  summer.endDate = 4;
  addCoupon("Spring!", "Blue Border");
  doc_.m_pCouponData->coupons.back().couponHeader = "Joe's";
  coupons_.setCouponList();

  EXPECT_EQ(field("couponList"),
            "couponList[0] = new coupons('SummerSale','Hot deals','IXSummerSale.html',"
            "'Date',5,5);\n"
            "couponList[1] = new coupons('Spring!','Joe\\'s','KLSpring.html','Day',1,5);\n");
  EXPECT_EQ(siteFile("IXSummerSale.html"),
            "Acme: SummerSale|Hot<BR>\r\ndeals|Save (10%)<BR>\r\non tents|Ends<BR>\r\nsoon|\r\n");
  EXPECT_EQ(siteFile("KLSpring.html"), "Acme: Spring!|Joe's|||\r\n");
  EXPECT_EQ(webEntries(),
            (std::vector<std::string>{"/IXSummerSale.html <- Coupon Templates\\Blue Border.html",
                                      "/KLSpring.html <- Coupon Templates\\Blue Border.html"}));
  EXPECT_EQ(doc_.m_pWebFileList->entries[0].localFile, "Acme\\IXSummerSale.html");
  EXPECT_EQ(doc_.m_pWebFileList->entries[0].binaryTransfer, 0);
  EXPECT_EQ(status_.progressText(), "Loading coupons...");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(CouponFieldsTest, NothingWithoutACouponPage) {
  std::erase_if(doc_.m_pPageData->pages,
                [](const Owned<CPage>& page) { return page->pageType == kCouponPageType; });
  addCoupon("SummerSale", "Blue Border");
  coupons_.setCouponList();
  EXPECT_EQ(field("couponList"), "<unset>");
  EXPECT_FALSE(siteHas("IXSummerSale.html"));
}

TEST_F(CouponFieldsTest, ListedImagesCopiedUnderCleanedNames) {
  writePicture("Coupon Templates/Images/star.gif", 4, 4);
  writePicture("Coupon Templates/Images/big ribbon.gif", 6, 2);
  writeFile("Coupon Templates/blue border.cfg",
            "star.gif\r\n\r\nbig ribbon.gif\r\nmissing.gif\r\n");
  addCoupon("SummerSale", "Blue Border");
  coupons_.setCouponList();

  EXPECT_EQ(imageSizeOf("star.gif"), std::make_pair(4, 4));
  EXPECT_EQ(imageSizeOf("big_ribbon.gif"), std::make_pair(6, 2));
  EXPECT_EQ(webEntries(),
            (std::vector<std::string>{
                "/IXSummerSale.html <- Coupon Templates\\Blue Border.html",
                "Images/star.gif <- Coupon Templates\\Images\\star.gif",
                "Images/big ribbon.gif <- Coupon Templates\\Images\\big ribbon.gif"}));
  const CFileEntry& ribbon = doc_.m_pWebFileList->entries[2];
  EXPECT_EQ(ribbon.localFile, "Acme\\Images\\big_ribbon.gif");
  EXPECT_EQ(ribbon.binaryTransfer, 1);
  // The picture the list names but the folder lacks is a file error.
  ASSERT_EQ(prompter_.texts().size(), 1u);
  EXPECT_TRUE(prompter_.texts()[0].starts_with("FILE ERROR: ")) << prompter_.texts()[0];
  EXPECT_NE(prompter_.texts()[0].find("missing.gif"), std::string::npos);
}

TEST_F(CouponFieldsTest, UnreadableOrHostileTemplatesGiveEmptyPages) {
  // Files the names below would reach if they were followed.
  writeFile("secret.html", "$[couponName] SECRET");
  writeFile("Coupon Templates/secret.gif", "GIF89a");
  writeFile("outside.gif", "GIF89a");
  writePicture("Coupon Templates/Images/ok.gif", 2, 2);
  writeFile("Coupon Templates/Blue Border.cfg",
            "..\\secret.gif\r\n" + (home_.path() / "outside.gif").string() +
                "\r\nok.gif\r\nx/../../../escaped.gif\r\n");
  addCoupon("SummerSale", "Gone");
  addCoupon("Hostile", "..\\secret");
  addCoupon("Absolute", (home_.path() / "secret").string());
  addCoupon("Fine", "Blue Border");
  coupons_.setCouponList();

  const std::vector<std::string> texts = prompter_.texts();
  ASSERT_EQ(texts.size(), 6u);
  for (const std::string& text : texts) {
    EXPECT_TRUE(text.starts_with("FILE ERROR: ")) << text;
  }
  // A missing template gives an empty page, still listed; the hostile
  // coupons get empty pages, not the file outside the folder.
  EXPECT_TRUE(siteHas("IXSummerSale.html"));
  EXPECT_EQ(siteFile("IXSummerSale.html"), "");
  EXPECT_EQ(entries(*doc_.m_pWebFileList)[0], "/IXSummerSale.html");
  EXPECT_TRUE(field("couponList")
                  .starts_with("couponList[0] = new coupons('SummerSale',' ','IXSummerSale.html',"
                               "'Day',1,5);\n"));
  EXPECT_EQ(siteFile("AEHostile.html"), "");
  EXPECT_EQ(siteFile("ZHAbsolute.html"), "");
  // Of the listed pictures only the one inside the images folder is copied.
  std::vector<std::string> images;
  for (const auto& entry : std::filesystem::directory_iterator(site() / "Images")) {
    images.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(images, std::vector<std::string>{"ok.gif"});
  EXPECT_FALSE(std::filesystem::exists(home_.path() / "escaped.gif"));
  EXPECT_FALSE(std::filesystem::exists(site() / "secret.gif"));
}

TEST_F(CouponFieldsTest, InstalledStylesMakeCompletePages) {
  std::filesystem::remove_all(home_.path() / "Coupon Templates");
  std::filesystem::copy(installedDataDir() / "Coupon Templates", home_.path() / "Coupon Templates",
                        std::filesystem::copy_options::recursive);
  CCouponData& data = *doc_.m_pCouponData;
  data.loadCouponStyles(home_.path());
  ASSERT_GE(data.couponStyles.size(), 2u);
  for (const std::string& style : data.couponStyles) {
    // Each style has its preview beside it.
    const std::string preview = toLowerAscii(style) + ".jpg";
    EXPECT_EQ(imageSize(home_.path() / "Coupon Templates" / preview).width, 200) << preview;
    addCoupon("Coupon" + std::to_string(data.coupons.size()), style);
    data.coupons.back().couponHeader = "Header of " + style;
  }
  coupons_.setCouponList();
  EXPECT_TRUE(prompter_.texts().empty());
  for (const CFileEntry& entry : doc_.m_pWebFileList->entries) {
    if (entry.remoteFolder == "Images") {
      // Every listed picture is a GIF that made it into the images folder.
      EXPECT_GT(imageSizeOf(entry.remoteName).first, 0) << entry.remoteName;
      continue;
    }
    const std::string page = siteFile(entry.remoteName);
    EXPECT_NE(page.find("Header of "), std::string::npos) << entry.remoteName;
    EXPECT_EQ(page.find("$["), std::string::npos) << entry.remoteName;
    size_t at = 0;
    // The pictures a page shows are the ones its list brought along.
    while ((at = page.find("SRC=\"Images/", at)) != std::string::npos) {
      at += 12;
      const std::string picture = page.substr(at, page.find('"', at) - at);
      EXPECT_TRUE(siteHas("Images/" + picture)) << entry.remoteName << ": " << picture;
    }
  }
}

}  // namespace
}  // namespace quorvex::testing
