#include "app/start_up.h"

#include "app/app_fixture.h"
#include "app/update_check.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const char* const kSampleQuestion =
    "This is the first time you have run Quorvex,\nwould you like to see a sample company "
    "setup?";

class FixedVersionSource : public PublishedVersionSource {
 public:
  std::optional<std::string> publishedVersion() override {
    ++queries;
    return version;
  }
  std::optional<std::string> version;
  int queries = 0;
};

class StartUpTest : public AppFixture {
 protected:
  StartUp startUp_{lifecycle_, clock_, &versions_};
  FixedVersionSource versions_;
};

TEST_F(StartUpTest, TheSampleIsOfferedOnlyOnTheFirstStart) {
  const fs::path sample = saveCompany("Sample Co");
  lifecycle_.recentFiles().add(saveCompany("Acme"));
  prompter_.queueAnswers({true});
  startUp_.offerSampleOrReopen(sample, false);
  EXPECT_EQ(prompter_.texts(), Texts{kSampleQuestion});
  EXPECT_EQ(doc_.m_strCompanyName, "Sample Co");
  EXPECT_EQ(versions_.queries, 0) << "no update check on the first start";

  // Later starts reopen the last document without asking.
  prompter_.clear();
  lifecycle_.recentFiles().add(home() / "Acme.qvx");
  startUp_.offerSampleOrReopen(sample, false);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(doc_.m_strCompanyName, "Acme");
}

// The installed sample is opened as a copy in the home, beside its product
// folder, so that saving it changes no installed file.
TEST_F(StartUpTest, TheSampleIsOpenedAsACopyInTheHome) {
  TempDir installed;
  CBrenquilDoc sample(env_);
  sample.m_strCompanyName = "Sample Co";
  ASSERT_TRUE(sample.save(installed.path() / "acme.qvx").ok());
  installed.write("Sample Co/PriceList.txt", "rows");
  const fs::file_time_type installedTime = fs::last_write_time(installed.path() / "acme.qvx");
  prompter_.queueAnswers({true});
  startUp_.offerSampleOrReopen(installed.path() / "acme.qvx", false);
  EXPECT_EQ(lifecycle_.path(), home() / "Sample Co.qvx");
  EXPECT_EQ(readFile(home() / "Sample Co" / "PriceList.txt"), "rows");
  ASSERT_TRUE(lifecycle_.save());
  EXPECT_EQ(fs::last_write_time(installed.path() / "acme.qvx"), installedTime);
}

TEST_F(StartUpTest, NoToTheSampleReopensTheLastDocument) {
  lifecycle_.recentFiles().add(saveCompany("Acme"));
  prompter_.queueAnswers({false});
  startUp_.offerSampleOrReopen(saveCompany("Sample Co"), false);
  EXPECT_EQ(doc_.m_strCompanyName, "Acme");
}

TEST_F(StartUpTest, AMissingSampleIsNotOfferedAndTheFirstStartIsOverAllTheSame) {
  lifecycle_.recentFiles().add(saveCompany("Acme"));
  startUp_.offerSampleOrReopen(home() / "none.qvx", false);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(lifecycle_.title(), "New Company") << "nothing opened";
  EXPECT_EQ(settings_.getInt("Settings", "First Run", 1), 0);
}

TEST_F(StartUpTest, ReopeningHonoursTheCommandLineAndEmptyOrBrokenEntries) {
  ASSERT_TRUE(settings_.setInt("Settings", "First Run", 0).ok());
  startUp_.offerSampleOrReopen(home() / "none.qvx", false);
  EXPECT_EQ(lifecycle_.title(), "New Company") << "empty recent list";

  lifecycle_.recentFiles().add(saveCompany("Acme"));
  EXPECT_TRUE(startUp_.openCommandLine(saveCompany("Bolt")));
  startUp_.offerSampleOrReopen(home() / "none.qvx", true);
  EXPECT_EQ(doc_.m_strCompanyName, "Bolt");

  writeHomeFile("Broken.qvx", "broken");
  EXPECT_FALSE(startUp_.openCommandLine(home() / "Broken.qvx"));
  lifecycle_.recentFiles().add(home() / "Broken.qvx");
  startUp_.offerSampleOrReopen(home() / "none.qvx", false);
  EXPECT_EQ(lifecycle_.title(), "New Company");
}

TEST_F(StartUpTest, UpdateCheckRunsDailyAndAnnouncesEachNewerVersionOnce) {
  ASSERT_TRUE(settings_.setInt("Settings", "First Run", 0).ok());
  const VersionRecord installed{4, 2, 9, 0};
  UpdateCheck check(settings_, prompter_, clock_);
  versions_.version = "4.3.0";
  check.run(versions_, installed);
  check.run(versions_, installed);
  EXPECT_EQ(versions_.queries, 1) << "once a day";
  EXPECT_EQ(prompter_.texts(),
            Texts{"A newer version of Quorvex (4.3.0) is available.\nPlease visit "
                  "https://www.quorvex.example/download/ to download it."});

  clock_.date = "2024-05-02";
  check.run(versions_, installed);
  EXPECT_EQ(prompter_.texts().size(), 1u) << "4.3.0 was announced already";
  clock_.date = "2024-05-03";
  versions_.version = "4.2.9";
  check.run(versions_, installed);
  EXPECT_EQ(prompter_.texts().size(), 1u) << "not newer";

  ASSERT_TRUE(settings_.setInt("Update Check", "Enabled", 0).ok());
  clock_.date = "2024-05-04";
  check.run(versions_, installed);
  EXPECT_EQ(versions_.queries, 3);
}

}  // namespace
}  // namespace quorvex::testing
