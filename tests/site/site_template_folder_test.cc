#include <filesystem>
#include <gtest/gtest.h>

#include "site/site_template_folder.h"
#include "support/temp_dir.h"
#include "support/template_home.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using Names = std::vector<std::string>;

class SiteTemplateFolderTest : public testing::TemplateHomeTest {
 protected:
  // Lists and selects the template `name`; returns its description.
  std::string selectNamed(const std::string& name) {
    folder_.scan();
    return folder_.select(site_.find(name)).value_or("<not selected>");
  }

  CSiteTemplate site_;
  SiteTemplateFolder folder_{env_, site_};
};

TEST_F(SiteTemplateFolderTest, ListsVisibleTemplateFilesInByteOrder) {
  for (const char* name : {"shop", "Basic commerce web site", "Zoo", "old.stp", "vssver.scc",
                           "Permanent.ini", "Upper.STP", ".hidden"}) {
    writeSiteFile(name, "A site\n");
  }
  fs::create_directories(siteFolder() / "Folder");
  EXPECT_EQ(SiteTemplateFolder::templateNamesIn(home_.path()),
            (Names{"Basic commerce web site", "Upper.STP", "Zoo", "shop"}));

  site_.currentName = "Zoo";
  site_.currentIndex = 0;
  EXPECT_EQ(folder_.scan(), (Names{"Basic commerce web site", "Upper.STP", "Zoo", "shop"}));
  EXPECT_EQ(site_.currentIndex, 2);
  // A chosen name that is gone leaves the index as it was.
  site_.currentName = "Gone";
  folder_.scan();
  EXPECT_EQ(site_.currentIndex, 2);
}

TEST_F(SiteTemplateFolderTest, MissingFolderGivesNoTemplatesAndSelectsNothing) {
  EXPECT_TRUE(folder_.scan().empty());
  EXPECT_FALSE(folder_.select(0).has_value());
  EXPECT_EQ(takeTexts(), (Names{"The site template chosen for your site could not be found.\n"
                                "Please, select another site template."}));
  EXPECT_FALSE(folder_.isPermanent());
  EXPECT_FALSE(folder_.deleteCurrent());
}

TEST_F(SiteTemplateFolderTest, SelectReadsDescriptionAndTrimmedPageNames) {
  writeSiteFile("Mixed", "Pages of every kind\r\n  Home Page \r\n\r\nInfo Page\nInfo Page\n"
                         "\tQuorvex Pages\nhome page\nSpecific Category Page");
  EXPECT_EQ(selectNamed("Mixed"), "Pages of every kind");
  EXPECT_EQ(site_.currentName, "Mixed");
  // A blank line and an unknown name give type 0; names are case-sensitive.
  EXPECT_EQ(site_.pageTypes, (std::vector<int32_t>{4000, 0, 4002, 4002, 4004, 0, 4016}));
  EXPECT_EQ(site_.pageNames(), (Names{"Home Page", "", "Info Page", "Info Page", "Quorvex Pages",
                                     "", "Specific Category Page"}));

  // An empty file has no description and leaves the page types.
  writeSiteFile("Empty", "");
  EXPECT_EQ(selectNamed("Empty"), "");
  EXPECT_EQ(site_.pageTypes.size(), 7u);
  EXPECT_TRUE(takeTexts().empty());

  // A file that cannot be read shows the system's reason.
  fs::remove(siteFolder() / "Mixed");
  EXPECT_EQ(folder_.select(site_.find("Mixed")), "");
  EXPECT_EQ(takeTexts(), (Names{"FILE ERROR: No such file or directory"}));
}

TEST_F(SiteTemplateFolderTest, PermanentTemplatesFollowTheIniLineAndTheBuiltInNames) {
  // Without Permanent.ini only the built-in names count, as substrings.
  for (const char* name : {"Basic commerce web site", "site", "", "commerce"}) {
    EXPECT_TRUE(SiteTemplateFolder::isPermanentName(home_.path(), name)) << name;
  }
  EXPECT_FALSE(SiteTemplateFolder::isPermanentName(home_.path(), "Garden Shop"));
  EXPECT_FALSE(SiteTemplateFolder::isPermanentName(home_.path(), "web Site"));
  writeSiteFile("Permanent.ini", "E-Magazine(commerce)&Garden Shop\nSecond Line\n");
  EXPECT_TRUE(SiteTemplateFolder::isPermanentName(home_.path(), "Garden Shop"));
  EXPECT_TRUE(SiteTemplateFolder::isPermanentName(home_.path(), "Garden"));
  EXPECT_FALSE(SiteTemplateFolder::isPermanentName(home_.path(), "Second Line"));
}

TEST_F(SiteTemplateFolderTest, CopySaveAndDeleteKeepFilesAndListInStep) {
  writeSiteFile("Garden", "Plants\nHome Page\nQuorvex Pages\n");
  writeSiteFile("Zebra", "Stripes\nHome Page\n");
  selectNamed("Garden");

  ASSERT_TRUE(folder_.copyCurrentTo(site_.newName()));
  EXPECT_EQ(site_.templateNames, (Names{"Garden", "New Site", "Zebra"}));
  EXPECT_EQ(site_.currentName, "New Site");
  EXPECT_EQ(site_.currentIndex, 1);
  EXPECT_EQ(readFile(siteFolder() / "New Site"), "Plants\nHome Page\nQuorvex Pages\n");
  EXPECT_EQ(site_.newName(), "New Site 2");

  // Saving under a new name writes the pages, replaces the old file and
  // selects the new name.
  site_.pageTypes = {4000, 4002, 0, 4011};
  ASSERT_TRUE(folder_.saveCurrentAs("Allotment"));
  EXPECT_EQ(readFile(siteFolder() / "Allotment"),
            "User Defined Site\r\nHome Page\r\nInfo Page\r\n\r\nCoupon Page\r\n");
  EXPECT_FALSE(fs::exists(siteFolder() / "New Site"));
  EXPECT_EQ(site_.templateNames, (Names{"Allotment", "Garden", "Zebra"}));
  EXPECT_EQ(site_.currentIndex, 0);
  EXPECT_EQ(site_.currentName, "Allotment");

  // A name that would leave the folder cannot be written.
  EXPECT_FALSE(folder_.saveCurrentAs(".."));
  EXPECT_EQ(takeTexts(), (Names{"Could not open file .. for writing."}));
  EXPECT_EQ(site_.currentName, "Allotment");

  ASSERT_TRUE(folder_.deleteCurrent());
  EXPECT_FALSE(fs::exists(siteFolder() / "Allotment"));
  EXPECT_EQ(site_.templateNames, (Names{"Garden", "Zebra"}));
  EXPECT_EQ(site_.currentIndex, 0);
  EXPECT_EQ(site_.currentName, "Basic commerce web site");
  EXPECT_TRUE(takeTexts().empty());
}

TEST_F(SiteTemplateFolderTest, IndexMarkerIsAWholeLineOfTheExistingIndex) {
  site_.existingSiteFolder = (home_.path() / "old").string() + "/";
  site_.existingIndexName = "index.html";
  EXPECT_FALSE(folder_.indexHasMarker());
  home_.write("old/index.html",
              "<html>\r\n <!-- This line is needed by Quorvex, do not change it -->\r\n");
  EXPECT_FALSE(folder_.indexHasMarker());
  home_.write("old/index.html",
              "<html>\r\n<!-- This line is needed by Quorvex, do not change it -->\r\n");
  EXPECT_TRUE(folder_.indexHasMarker());
}

TEST(SiteTemplatePageNames, NamesAndTypesMapBothWays) {
  EXPECT_EQ(CSiteTemplate::typeOfName("Quorvex Pages"), 4004);
  EXPECT_EQ(CSiteTemplate::typeOfName("Magazine Page"), 4015);
  EXPECT_EQ(CSiteTemplate::typeOfName("Product Page"), 0);
  EXPECT_EQ(CSiteTemplate::nameOfType(4011), "Coupon Page");
  EXPECT_EQ(CSiteTemplate::nameOfType(4003), "");
  for (int32_t type : {4000, 4001, 4002, 4004, 4011, 4013, 4014, 4015, 4016}) {
    EXPECT_EQ(CSiteTemplate::typeOfName(CSiteTemplate::nameOfType(type)), type);
  }
  CSiteTemplate site;
  site.templateNames = {"Just add commerce to my site", "New Site", "New Site 3"};
  EXPECT_EQ(site.newName(), "New Site 2");
  site.currentIndex = 0;
  EXPECT_TRUE(site.isAddOn());
  site.currentIndex = 3;
  EXPECT_FALSE(site.isAddOn());
  EXPECT_EQ(site.find("New Site 3"), 2);
  EXPECT_EQ(site.find("new site"), -1);
}

}  // namespace
}  // namespace quorvex
