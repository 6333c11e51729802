#include "generator/add_on_site.h"

#include <gtest/gtest.h>

#include <deque>

#include "platform/scripted_prompter.h"
#include "site/site_template.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

// Answers the location dialog from a queue; an empty queue cancels.
class QueuedDialog : public IndexLocationDialog {
 public:
  std::optional<IndexLocation> ask(const IndexLocation& current) override {
    asked.push_back(current);
    if (answers.empty()) return std::nullopt;
    IndexLocation answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::deque<IndexLocation> answers;
  std::vector<IndexLocation> asked;
};

class AddOnSiteTest : public ::testing::Test {
 protected:
  AddOnSiteTest() {
    home_.write("mysite/index.html", "<p>my site</p>");
    folder_ = (home_.path() / "mysite").string() + "/";
  }

  bool runSetup(bool marker = true) {
    AddOnSiteSetup setup(home_.path(), site_, prompter_, &dialog_, [marker] { return marker; });
    return setup.run();
  }

  TempDir home_;
  std::string folder_;
  CSiteTemplate site_;
  ScriptedPrompter prompter_;
  QueuedDialog dialog_;
};

TEST_F(AddOnSiteTest, AsksUntilTheIndexExistsAndTheKeptNameIsFree) {
  home_.write("mysite/home.html", "taken");
  dialog_.answers = {{folder_ + "missing.html", "home.html"},
                     {folder_ + "index.html", "home.html"},
                     {folder_ + "index.html", "old.html"}};
  ASSERT_TRUE(runSetup());
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Sorry, the file \"" + folder_ +
                    "missing.html\" could not be found.  Use the Browse button if neccessary.",
                "Sorry, the file \"" + folder_ +
                    "home.html\" already exists.  Please, enter another name than "
                    "\"home.html\"."}));
  // The dialog opens with what the record holds: the kept name typed last,
  // and no location until one is confirmed.
  ASSERT_EQ(dialog_.asked.size(), 3u);
  EXPECT_EQ(dialog_.asked[0].indexPath, "");
  EXPECT_EQ(dialog_.asked[0].keptName, "home.html");
  EXPECT_EQ(dialog_.asked[2].indexPath, "");
  EXPECT_EQ(site_.existingSiteFolder, folder_);
  EXPECT_EQ(site_.existingIndexName, "index.html");
  EXPECT_EQ(site_.oldIndexName, "old.html");
  EXPECT_EQ(site_.indexInstalled, 1);
  EXPECT_EQ(site_.locationConfirmed, 1);
  EXPECT_EQ(readFile(home_.path() / "mysite/old.html"), "<p>my site</p>");
  EXPECT_EQ(readFile(home_.path() / "mysite/indexqvx.bak"), "<p>my site</p>");
  EXPECT_EQ(readFile(home_.path() / "mysite/home.html"), "taken");
}

TEST_F(AddOnSiteTest, CancelEndsTheSetUpAndAConfirmedLocationIsNotAskedAgain) {
  EXPECT_FALSE(runSetup());
  EXPECT_EQ(dialog_.asked.size(), 1u);

  site_.existingSiteFolder = folder_;
  site_.existingIndexName = "index.html";
  site_.locationConfirmed = 1;
  dialog_.asked.clear();
  ASSERT_TRUE(runSetup());
  EXPECT_TRUE(dialog_.asked.empty());
  // A kept name that would leave the folder is refused like a taken one.
  site_.locationConfirmed = 0;
  dialog_.answers = {{folder_ + "index.html", "../escape.html"}};
  site_.indexInstalled = 0;
  EXPECT_FALSE(runSetup());
  EXPECT_FALSE(fs::exists(home_.path() / "escape.html"));
}

TEST_F(AddOnSiteTest, AStoredLocationThatLeavesItsFolderIsAskedForAgain) {
  home_.write("mysite/canary/secret.txt", "secret");
  struct Case {
    const char* indexName;
    const char* keptName;
  };
  for (const Case& stored : {Case{"canary/secret.txt", "home.html"},
                             Case{"canary\\secret.txt", "home.html"},
                             Case{"index.html", "canary/secret.txt"},
                             Case{"index.html", "../escape.html"},
                             Case{"index.html", "index.html"}}) {
    site_.existingSiteFolder = folder_;
    site_.existingIndexName = stored.indexName;
    site_.oldIndexName = stored.keptName;
    site_.locationConfirmed = 1;
    site_.indexInstalled = 1;
    dialog_.asked.clear();
    EXPECT_FALSE(runSetup()) << stored.indexName << " " << stored.keptName;
    EXPECT_EQ(dialog_.asked.size(), 1u);
  }
  EXPECT_EQ(readFile(home_.path() / "mysite/canary/secret.txt"), "secret");
  EXPECT_FALSE(fs::exists(home_.path() / "escape.html"));
}

TEST_F(AddOnSiteTest, AnInstalledIndexThatIsNotOursIsBackedUp) {
  site_.existingSiteFolder = folder_;
  site_.existingIndexName = "index.html";
  site_.locationConfirmed = 1;
  site_.indexInstalled = 1;
  home_.write("mysite/index0.old", "older backup");
  ASSERT_TRUE(runSetup(/*marker=*/false));
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{
                "The index file for your site could not be identified as an Quorvex page.  For "
                "your convenience, the file " +
                folder_ + "index.html was backup up as " + folder_ + "index1.old"});
  EXPECT_EQ(readFile(home_.path() / "mysite/index1.old"), "<p>my site</p>");

  prompter_.clear();
  ASSERT_TRUE(runSetup(/*marker=*/true));
  EXPECT_TRUE(prompter_.texts().empty());
  site_.verifyIndexMarker = 0;
  ASSERT_TRUE(runSetup(/*marker=*/true));
  EXPECT_EQ(prompter_.texts().size(), 1u);
}

}  // namespace
}  // namespace quorvex::testing
