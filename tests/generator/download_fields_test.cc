#include "generator/download_fields.h"

#include <gtest/gtest.h>

#include "generator/commerce_fixture.h"

namespace quorvex::testing {
namespace {

class DownloadFieldsTest : public CommerceFixture {
 protected:
  void addDownload(std::string part, std::string path, int32_t uploadFlag,
                   std::string password = "", int32_t downloadFlag = 1) {
    CExtraItem row;
    row.partNumber = std::move(part);
    row.downloadPath = std::move(path);
    row.downloadPassword = std::move(password);
    row.uploadFlag = uploadFlag;
    row.downloadFlag = downloadFlag;
    doc_.m_pExtraFields->rows.push_back(std::move(row));
  }

  DownloadFields downloads_{context_};
};

TEST_F(DownloadFieldsTest, LocationsByWhereTheFileIsUploaded) {
  doc_.m_pContact->url = "www.acme.example";
  const std::string manual = (home_.path() / "manual.pdf").string();
  writeFile("manual.pdf", "pdf");
  addDownload("D1", "https://files.example.com/a(1).zip", 0);
  addDownload("D'2", "C:\\Soft\\My Tool#2.zip", 0, "pa'ss");
  addDownload("D3", manual, 1, "secret");
  addDownload("D4", "C:\\Soft\\x.zip", 2);
  addDownload("N5", "C:\\Soft\\not-sold.zip", 0, "", 0);
  downloads_.setSoftwareInfo();
  EXPECT_EQ(field("softwareInfo"),
            "softwareInfo['D1'] = new software('https://files.example.com/a\\(1\\).zip','');\n"
            "softwareInfo['D_2'] = new software("
            "'http://www.acme.example/softgoods/My_Tool_2.zip','pa\\'ss');\n"
            "softwareInfo['D3'] = new software('manual.pdf','secret');\n"
            "softwareInfo['D4'] = new software('x.zip','');\n");
  EXPECT_EQ(context_.downloadCount, 4);
  EXPECT_TRUE(context_.downloadsOnWebServer);
  EXPECT_TRUE(context_.downloadsOnOrderServer);

  // Each file is published from where it is: never copied into the site.
  ASSERT_EQ(entries(*doc_.m_pWebFileList), std::vector<std::string>{"softgoods/My_Tool_2.zip"});
  const CFileEntry& web = doc_.m_pWebFileList->entries[0];
  EXPECT_EQ(web.sourceFile, "C:\\Soft\\My Tool#2.zip");
  EXPECT_EQ(web.localFile, web.sourceFile);
  EXPECT_EQ(web.binaryTransfer, 1);
  EXPECT_EQ(web.rootOnAddOn, 0);
  ASSERT_EQ(entries(*doc_.m_pOrderServerFileList),
            std::vector<std::string>{"softgoods/manual.pdf"});
  EXPECT_EQ(doc_.m_pOrderServerFileList->entries[0].localFile, manual);
  EXPECT_FALSE(std::filesystem::exists(site() / "softgoods"));
  EXPECT_FALSE(std::filesystem::exists(site() / "manual.pdf"));
}

TEST_F(DownloadFieldsTest, WebAddressKeepsItsSchemeAndSlash) {
  doc_.m_pContact->url = "https://shop.example/";
  addDownload("D1", "C:\\a.zip", 0);
  downloads_.setSoftwareInfo();
  EXPECT_EQ(field("softwareInfo"),
            "softwareInfo['D1'] = new software('https://shop.example/softgoods/a.zip','');\n");
  EXPECT_FALSE(context_.downloadsOnOrderServer);
}

TEST_F(DownloadFieldsTest, CookieWarningOnlyWithDownloadsAndCookiesOff) {
  doc_.m_pFtp->useCookies = 0;
  downloads_.setSoftwareInfo();
  downloads_.warnAboutCookies();
  EXPECT_EQ(field("softwareInfo"), "");
  EXPECT_TRUE(prompter_.texts().empty());

  addDownload("D1", "http://x.example/a.zip", 2);
  doc_.m_pFtp->useCookies = 1;
  downloads_.setSoftwareInfo();
  downloads_.warnAboutCookies();
  EXPECT_TRUE(prompter_.texts().empty());

  doc_.m_pFtp->useCookies = 0;
  downloads_.warnAboutCookies();
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{
                "WARNING:  The use of downloaded items requires that JavaScript cookies be set.\n"
                "No cookies will be set by the shopping cart, however."});
}

}  // namespace
}  // namespace quorvex::testing
