#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "site/add_on_location.h"
#include "site/site_template.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using Names = std::vector<std::string>;

class AddOnLocationTest : public ::testing::Test {
 protected:
  AddOnLocationTest() { folder_ = home_.path().string() + "/site/"; }

  testing::TempDir home_;
  ScriptedPrompter prompter_;
  CSiteTemplate site_;
  std::string folder_;
};

TEST_F(AddOnLocationTest, ChecksTheKeptNameAndTheIndexPage) {
  AddOnLocation location(site_);
  EXPECT_EQ(location.indexPath, "");
  EXPECT_EQ(location.keptName, "home.html");
  location.indexPath = folder_ + "index.htm";
  EXPECT_FALSE(location.accept(site_, prompter_));
  home_.write("site/index.htm", "<html></html>");
  home_.write("site/home.html", "kept before");
  EXPECT_FALSE(location.accept(site_, prompter_));
  location.keptName = "start.html";
  ASSERT_TRUE(location.accept(site_, prompter_));
  EXPECT_EQ(prompter_.texts(),
            (Names{"Sorry, the file " + folder_ + "index.htm could not be found.  Use the Browse "
                   "button if neccessary.",
                   "Sorry, the file " + folder_ + "home.html already exists.  Please, enter "
                   "another name than home.html.\nIf you are sure you would like to use this "
                   "name, then you can delete this file, but remember to make a backup."}));
  EXPECT_EQ(site_.existingSiteFolder, folder_);
  EXPECT_EQ(site_.existingIndexName, "index.htm");
  EXPECT_EQ(site_.oldIndexName, "start.html");
  EXPECT_EQ(site_.locationConfirmed, 1);
}

TEST_F(AddOnLocationTest, AnInstalledIndexMayKeepItsExistingCopy) {
  home_.write("site/index.html", "<html></html>");
  home_.write("site/home.html", "the site's old index, kept by the last build");
  site_.existingSiteFolder = folder_;
  site_.existingIndexName = "index.html";
  site_.indexInstalled = 1;
  AddOnLocation unchanged(site_);
  EXPECT_EQ(unchanged.indexPath, folder_ + "index.html");
  ASSERT_TRUE(unchanged.accept(site_, prompter_));
  EXPECT_EQ(site_.indexInstalled, 1);

  // A changed location counts as a new installation. A Windows path splits
  // at its last backslash.
  AddOnLocation moved(site_);
  moved.indexPath = "C:\\Web\\index.html";
  EXPECT_FALSE(moved.accept(site_, prompter_));
  EXPECT_EQ(prompter_.texts().back(), "Sorry, the file C:\\Web\\index.html could not be found.  "
                                      "Use the Browse button if neccessary.");
  home_.write("other/index.html", "<html></html>");
  moved.indexPath = home_.path().string() + "/other/index.html";
  ASSERT_TRUE(moved.accept(site_, prompter_));
  EXPECT_EQ(site_.indexInstalled, 0);
  EXPECT_EQ(site_.existingSiteFolder, home_.path().string() + "/other/");
}

}  // namespace
}  // namespace quorvex
