#include "generator/save_site_run.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <map>

#include "generator/save_site_worker.h"
#include "generator/site_fixture.h"
#include "site/page_type.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

using SaveSiteRunTest = SiteFixture;

// Every file below `folder` with what shows that it was written: its inode,
// modification time and content.
struct FileState {
  ino_t inode;
  fs::file_time_type modified;
  std::string content;
};
std::map<std::string, FileState> filesBelow(const fs::path& folder) {
  std::map<std::string, FileState> files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    struct stat status {};
    EXPECT_EQ(::stat(entry.path().c_str(), &status), 0);
    std::ifstream in(entry.path(), std::ios::binary);
    files[fs::relative(entry.path(), folder).string()] = {
        status.st_ino, entry.last_write_time(), std::string(std::istreambuf_iterator<char>(in), {})};
  }
  return files;
}

// Removes the pages of `types` from the page list.
void removePages(CPageData& pages, std::initializer_list<int32_t> types) {
  std::erase_if(pages.pages, [&](const Owned<CPage>& page) {
    return std::find(types.begin(), types.end(), page->pageType) != types.end();
  });
}

TEST_F(SaveSiteRunTest, WritesTheSiteInOrderAndEntersEveryFile) {
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(status_.progressText(), "Done.");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>());

  EXPECT_EQ(
      entries(*doc_.m_pWebFileList),
      (std::vector<std::string>{"Images/spacerb.gif", "Images/spacerg.gif", "Images/spacerw.gif",
                                "Images/nada.gif", "/favicon.ico", "Images/cartempty.gif",
                                "Images/cartfull.gif", "/shop.html", "/index.html",
                                "/jserror.html", "/Home.html", "/Contact.html", "/Product.html",
                                "/search.html", "/category.html", "/view.html", "/shipto.html"}));
  EXPECT_EQ(entries(*doc_.m_pOrderServerFileList),
            (std::vector<std::string>{
                "Images/spacerb.gif", "Images/spacerg.gif", "Images/spacerw.gif", "Images/nada.gif",
                "Images/VeriSignSeal.gif", "/thankyou.html", "/order.html", "/products.txt",
                "/error.html", "/confirm1.txt", "/confirm2.txt", "/confirm3.txt", "/order.txt",
                "/orderdata.json"}));
  // Stored paths are relative to the program folder; generated files are
  // text, pictures binary, and only the index goes to the root of an add-on
  // site.
  const CFileEntry& shop = doc_.m_pWebFileList->entries[7];
  EXPECT_EQ(shop.sourceFile, "Template Common\\shop.html");
  EXPECT_EQ(shop.localFile, "Acme\\shop.html");
  EXPECT_EQ(shop.binaryTransfer, 0);
  EXPECT_EQ(doc_.m_pWebFileList->entries[0].localFile, "Acme\\Images\\spacerb.gif");
  EXPECT_EQ(doc_.m_pWebFileList->entries[0].binaryTransfer, 1);
  EXPECT_EQ(doc_.m_pWebFileList->entries[8].rootOnAddOn, 1);
  EXPECT_EQ(doc_.m_pWebFileList->entries[9].rootOnAddOn, 0);
  for (const CFileEntry& entry : doc_.m_pWebFileList->entries) {
    EXPECT_EQ(entry.inUse, 1) << entry.remoteName;
    EXPECT_NE(entry.generatedCrc, 0u) << entry.remoteName;
  }

  EXPECT_EQ(siteFile("products.txt"), "A1|9.95");
  EXPECT_EQ(siteFile("confirm1.txt"), "Thanks from Acme");
  EXPECT_EQ(fieldIn(siteFile("shop.html"), "products"),
            "productList[0] = product['A1'] = new products('Tools','Hammer','A1','9.95','2','',"
            "'','','','','','','-1','-1',1);\r\n");
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "page"), "Home.html");
  EXPECT_EQ(fieldIn(siteFile("thankyou.html"), "page"), "thankyou.html");
  EXPECT_EQ(siteFile("index.html"), kVersionMeta + std::string("index=index.html|\r\n"));
  // The product rows are released again.
  EXPECT_TRUE(doc_.m_pExtraFields->rows.empty());
}

TEST_F(SaveSiteRunTest, ABuildWithoutChangesLeavesBothListsAsTheyWere) {
  ASSERT_EQ(build(), WorkerState::kFinished);
  const CFileList web = *doc_.m_pWebFileList;
  const CFileList orders = *doc_.m_pOrderServerFileList;
  ASSERT_EQ(build(), WorkerState::kFinished);
  EXPECT_EQ(*doc_.m_pWebFileList, web);
  EXPECT_EQ(*doc_.m_pOrderServerFileList, orders);

  // A new price changes the files that show it, and nothing else; only
  // those are written again (a file written anew has a new inode or time).
  writePriceList(
      {"\"A1\",\"Hammer\",\"10.50\",\"2\",Tools,\"\",\"http://\",\"\",0,0,0,1,\"\","
       "\"\",0,2,1"});
  const std::map<std::string, FileState> onDisk = filesBelow(site());
  ASSERT_EQ(build(), WorkerState::kFinished);
  std::vector<std::string> rewritten;
  std::vector<std::string> changedContent;
  for (const auto& [name, state] : filesBelow(site())) {
    auto old = onDisk.find(name);
    if (old == onDisk.end() || old->second.inode != state.inode ||
        old->second.modified != state.modified) {
      rewritten.push_back(name);
    }
    if (old == onDisk.end() || old->second.content != state.content) changedContent.push_back(name);
  }
  EXPECT_EQ(rewritten, (std::vector<std::string>{"orderdata.json", "products.txt", "shop.html"}));
  EXPECT_EQ(rewritten, changedContent);
  auto changed = [](const CFileList& before, const CFileList& after) {
    std::vector<std::string> names;
    EXPECT_EQ(before.entries.size(), after.entries.size());
    for (size_t i = 0; i < std::min(before.entries.size(), after.entries.size()); ++i) {
      if (before.entries[i].generatedCrc != after.entries[i].generatedCrc) {
        names.push_back(after.entries[i].remoteName);
      }
    }
    return names;
  };
  EXPECT_EQ(changed(web, *doc_.m_pWebFileList), std::vector<std::string>{"shop.html"});
  EXPECT_EQ(changed(orders, *doc_.m_pOrderServerFileList),
            (std::vector<std::string>{"products.txt", "orderdata.json"}));
}

TEST_F(SaveSiteRunTest, FilesNoLongerProducedLeaveTheListsAndTheFolder) {
  ASSERT_EQ(build(), WorkerState::kFinished);
  // Published once: stays listed (to be deleted on the server) though unused.
  doc_.m_pWebFileList->entries[15].publishedCrc = 1;  // view.html
  removePages(*doc_.m_pPageData,
              {kProductPageType, kThankYouPageType, kOrderFormPageType, kDownloadPageType});
  ASSERT_EQ(build(), WorkerState::kFinished);
  EXPECT_EQ(
      entries(*doc_.m_pWebFileList),
      (std::vector<std::string>{"Images/spacerb.gif", "Images/spacerg.gif", "Images/spacerw.gif",
                                "Images/nada.gif", "/favicon.ico", "/shop.html", "/index.html",
                                "/jserror.html", "/Home.html", "/Contact.html", "/view.html"}));
  EXPECT_EQ(doc_.m_pWebFileList->entries.back().inUse, 0);
  EXPECT_EQ(
      entries(*doc_.m_pOrderServerFileList),
      (std::vector<std::string>{"Images/spacerb.gif", "Images/spacerg.gif", "Images/spacerw.gif",
                                "Images/nada.gif", "Images/VeriSignSeal.gif"}));
  // Without a product page there are no shop pages. (products.txt and the
  // order texts are their own source files, so their copies are kept.)
  for (const char* name : {"shipto.html", "error.html", "Product.html", "search.html"}) {
    EXPECT_FALSE(siteHas(name)) << name;
  }
  EXPECT_TRUE(siteHas("view.html"));  // still on the server, so its copy stays
  EXPECT_TRUE(siteHas("shop.html"));
  EXPECT_EQ(fieldIn(siteFile("shop.html"), "product_file"), "");
}

TEST_F(SaveSiteRunTest, AProductPageNeedsProducts) {
  writePriceList({});
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(),
            "I'm sorry, but you must have at least one item in your\nproduct database in order "
            "to save it.");
  // The pages were written before; the lists are not trimmed.
  EXPECT_TRUE(siteHas("Product.html"));
  EXPECT_FALSE(siteHas("products.txt"));

  fs::remove(site() / "PriceList.txt");
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(), "Could not load product database.");
}

TEST_F(SaveSiteRunTest, MissingTemplatesAndStylesEndOrWarn) {
  fs::remove(home_.path() / "Template Common/ContactPage.html");
  ASSERT_EQ(build(), WorkerState::kFinished);
  ASSERT_EQ(prompter_.shown().size(), 1u);
  EXPECT_EQ(prompter_.shown()[0].text,
            "Template Error: Could not find input file \"ContactPage.html\"");
  EXPECT_EQ(prompter_.shown()[0].progress, "Writing ContactPage.html");
  EXPECT_TRUE(siteHas("Contact.html"));
  EXPECT_EQ(siteFile("Contact.html"), "");

  doc_.m_pTemplate->currentName = "Gone";
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(),
            "TEMPLATE ERROR: Could not find your Style Template.  Please reselect one and try "
            "again.");

  doc_.m_pSiteTemplate->currentName = "Gone too";
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(), "TEMPLATE ERROR: Could not find Site Template \"Gone too\"");

  fs::remove_all(home_.path() / "Site Templates");
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(),
            "TEMPLATE ERROR: Could not find your Site Template.  Please reselect one and try "
            "again.");
}

TEST_F(SaveSiteRunTest, BaseHrefGoesIntoThePublishedIndexOnly) {
  doc_.m_pFtp->baseHref = "http://shop.example/";
  fs::path viewed;
  SaveSiteOptions options;
  options.viewAfterSaving = true;
  options.openInBrowser = [&viewed](const fs::path& page) { viewed = page; };
  ASSERT_EQ(build(options), WorkerState::kFinished);
  EXPECT_EQ(siteFile("index.html"),
            kVersionMeta +
                std::string("index=index.html<head>\r\n<base href=\"http://shop.example/\">|\r\n"));
  EXPECT_EQ(siteFile("QvxIndex.html"), kVersionMeta + std::string("index=index.html|\r\n"));
  EXPECT_EQ(viewed, site() / "QvxIndex.html");
  for (const CFileEntry& entry : doc_.m_pWebFileList->entries) {
    EXPECT_NE(entry.remoteName, "QvxIndex.html");
  }
  EXPECT_EQ(status_.progressText(), "Done.");

  doc_.m_pFtp->baseHref.clear();
  ASSERT_EQ(build(options), WorkerState::kFinished);
  EXPECT_EQ(viewed, site() / "index.html");
}

TEST_F(SaveSiteRunTest, StyleFolderFilesArePagesOrCopies) {
  writeFile("Style Templates/Plain/about.htm",
            "$[quorvex_version]about=$[thisPage]|$[companyName]");
  writeFile("Style Templates/Plain/logo.psd", "layers");
  writeFile("Style Templates/Plain/shop.html", "reserved: never copied");
  writePicture("Style Templates/Plain/Images/wave.bmp", 4, 3);
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(siteFile("about.htm"), kVersionMeta + std::string("about=about.htm|Acme\r\n"));
  EXPECT_EQ(siteFile("logo.psd"), "layers");
  EXPECT_FALSE(siteHas("TempConfig.cfg"));
  // A reserved name in the style folder is a template, not an extra file.
  EXPECT_TRUE(siteFile("shop.html").ends_with("</SCRIPT>\r\nreserved: never copied\r\n"));
  EXPECT_EQ(imageSizeOf("wave.jpg"), std::make_pair(4, 3));
  std::vector<std::string> web = entries(*doc_.m_pWebFileList);
  for (const char* name : {"Images/wave.jpg", "/about.htm", "/logo.psd"}) {
    EXPECT_NE(std::find(web.begin(), web.end(), name), web.end()) << name;
  }
  EXPECT_EQ(std::find(web.begin(), web.end(), "/TempConfig.cfg"), web.end());
}

TEST_F(SaveSiteRunTest, AStopTakesEffectAtTheNextStopPoint) {
  writeFile("Style Templates/Plain/Images/broken.bmp", "not a picture");
  prompter_.stopOn("does not seem to be a valid image");
  ASSERT_EQ(build(), WorkerState::kStopped);
  ASSERT_EQ(prompter_.shown().size(), 1u);
  EXPECT_EQ(prompter_.shown()[0].text,
            "WARNING: File \"Style Templates\\Plain\\Images\\broken.bmp\" does not seem to be a "
            "valid image.");
  EXPECT_EQ(prompter_.shown()[0].progress, "Converting image...");
  // The fixed pictures were copied; the shop page was not written.
  EXPECT_TRUE(fs::exists(site() / "Images/nada.gif"));
  EXPECT_FALSE(siteHas("shop.html"));
  EXPECT_TRUE(doc_.m_pExtraFields->rows.empty());

  // A stop requested before the run writes nothing at all.
  status_.reset();
  status_.requestStop();
  SaveSiteRun run(doc_, env_, status_, {});
  fs::remove_all(site() / "Images");
  run.run();
  EXPECT_EQ(status_.state(), WorkerState::kStopped);
  EXPECT_FALSE(fs::exists(site() / "Images"));
}

TEST_F(SaveSiteRunTest, TheWorkerRunsOnItsOwnThread) {
  SaveSiteOptions options;
  options.version = "9.9";
  SaveSiteWorker worker(doc_, env_, options);
  worker.start();
  worker.wait();
  EXPECT_EQ(worker.status().state(), WorkerState::kFinished) << worker.status().errorText();
  EXPECT_TRUE(siteHas("shop.html"));
}

TEST_F(SaveSiteRunTest, ACompanyNameThatCannotNameAFolderFails) {
  doc_.m_strCompanyName = "../outside";
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(), "The company name cannot name a folder.");
  EXPECT_FALSE(fs::exists(home_.path().parent_path() / "outside"));
}

}  // namespace
}  // namespace quorvex::testing

namespace quorvex::testing {
namespace {

TEST_F(SaveSiteRunTest, AnAddOnSiteGoesBesideTheExistingSite) {
  writeFile("Site Templates/Just add commerce to my site", "Commerce only\r\nQuorvex Pages\r\n");
  writeFile("mysite/start.html", "<p>my site</p>");
  CSiteTemplate& site = *doc_.m_pSiteTemplate;
  site.currentName = "Just add commerce to my site";
  site.existingSiteFolder = (home_.path() / "mysite").string() + "/";
  site.existingIndexName = "start.html";
  site.oldIndexName = "welcome.html";
  site.locationConfirmed = 1;
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const fs::path existing = home_.path() / "mysite";
  EXPECT_EQ(readFile(existing / "welcome.html"), "<p>my site</p>");
  EXPECT_EQ(readFile(existing / "start.html"), kVersionMeta + std::string("index=start.html|\r\n"));
  EXPECT_TRUE(fs::exists(existing / "Quorvex/shop.html"));
  EXPECT_TRUE(fs::exists(existing / "Quorvex/Images/nada.gif"));
  EXPECT_FALSE(siteHas("shop.html"));
  const std::vector<CFileEntry>& web = doc_.m_pWebFileList->entries;
  auto entry = [&](const std::string& name) {
    return *std::find_if(web.begin(), web.end(),
                         [&](const CFileEntry& e) { return e.remoteName == name; });
  };
  EXPECT_EQ(entry("welcome.html").localFile, site.existingSiteFolder + "welcome.html");
  EXPECT_EQ(entry("welcome.html").rootOnAddOn, 1);
  EXPECT_EQ(entry("start.html").localFile, site.existingSiteFolder + "start.html");
  EXPECT_EQ(entry("start.html").rootOnAddOn, 1);
  EXPECT_EQ(entry("shop.html").localFile, site.existingSiteFolder + "Quorvex\\shop.html");
  EXPECT_EQ(site.indexInstalled, 1);

  // Without a confirmed location and no one to ask, the run is cancelled.
  site.locationConfirmed = 0;
  ASSERT_EQ(build(), WorkerState::kFailed);
  EXPECT_EQ(status_.errorText(), "Saving your site has been cancelled.");
}

}  // namespace
}  // namespace quorvex::testing

namespace quorvex::testing {
namespace {

TEST_F(SaveSiteRunTest, OnlyPicturesAndTheProgramsOwnFilesReachTheSite) {
  TempDir outside;
  const std::vector<std::string> privateTexts = {"root:x:0:0", "not a picture", "private notes"};
  outside.write("passwd", privateTexts[0]);
  outside.write("secret.gif", privateTexts[1]);
  outside.write("notes.txt", privateTexts[2]);
  outside.write("Images/passwd.gif", privateTexts[0]);
  writeFile("Style Templates/Plain/TempConfig.cfg",
            "template_path=" + outside.path().string() + "/\r\n");
  auto& home = dynamic_cast<CFullPage&>(doc_.m_pPageData->at(0));
  home.imageFiles = {(outside.path() / "passwd").string(),
                     (outside.path() / "secret.gif").string()};
  home.imageResize = {0, 0};
  home.imageCount = 2;
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home_.path() / "Acme")) {
    if (!entry.is_regular_file()) continue;
    const std::string content = readFile(entry.path());
    for (const std::string& text : privateTexts) EXPECT_NE(content, text) << entry.path();
  }
  const std::vector<std::string> texts = prompter_.texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      "WARNING: File \"" + (outside.path() / "secret.gif").string() +
                          "\" does not seem to be a valid image."),
            texts.end());
}

TEST_F(SaveSiteRunTest, NamesFromTheDocumentNeverLeadOutOfTheSiteFolder) {
  CPage& home = doc_.m_pPageData->at(0);
  home.setLabel("../../escape");
  home.templateFile = "../../secret.html";
  writeFile("secret.html", "$[quorvex_version]secret");
  auto& full = dynamic_cast<CFullPage&>(home);
  full.imageFiles = {"pics\\.."};
  full.imageResize = {0};
  doc_.m_pBusiness->logoPath = "pics/..\\..";
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  // The page is written under its cleaned label, from empty text.
  EXPECT_EQ(siteFile(".._.._escape.html"), "");
  const std::vector<std::string> texts = prompter_.texts();
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      "Template Error: Could not find input file \"../../secret.html\""),
            texts.end());
  // Pictures naming a folder are not pictures: warned about, never placed.
  EXPECT_NE(std::find(texts.begin(), texts.end(),
                      "WARNING: File \"pics\\..\" does not seem to be a valid image."),
            texts.end());
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(home_.path())) {
    const fs::path relative = entry.path().lexically_relative(home_.path());
    EXPECT_TRUE(*relative.begin() != "escape.html" && relative.filename() != "..jpg") << relative;
  }
  EXPECT_FALSE(fs::exists(home_.path().parent_path() / "escape.html"));
}

}  // namespace
}  // namespace quorvex::testing
