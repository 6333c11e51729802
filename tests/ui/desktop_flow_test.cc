#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "company/brenquil_doc.h"
#include "support/ftp_server.h"
#include "support/run_cli.h"
#include "support/sample_company.h"
#include "support/temp_dir.h"
#include "ui/desktop_app.h"
#include "ui/modal_driver.h"
#include "ui/widget_actions.h"
#include "ui/navigator.h"

namespace quorvex::ui {
namespace {

namespace fs = std::filesystem;
using testing::click;
using testing::FtpServer;
using testing::hasLabel;
using testing::kSampleCompany;
using testing::ModalDriver;
using testing::TempDir;
using testing::waitUntil;

// The build choice: locally only (as it opens), without opening a browser.
void buildLocallyWithoutViewing(QWidget& dialog) {
  dialog.findChild<QCheckBox*>()->setChecked(false);
  click(dialog, "&Finish");
}

// The whole program, started on the sample company, with the test FTP
// server as its web server and order server.
class DesktopFlowTest : public ::testing::Test {
 protected:
  DesktopFlowTest()
      : server_(server_root_.path(),
                {{"webuser", "webpass", "web"}, {"merchant", "orderpw", "orders"}}) {
    ::setenv("QUORVEX_ORDER_SERVER", server_.host().c_str(), 1);
    sample_ = testing::installSampleCompany(home_.path());
    // Not the first start: no sample offer.
    config_.write("Quorvex.ini", "[Settings]\nFirst Run=0\n");
  }
  ~DesktopFlowTest() override { ::unsetenv("QUORVEX_ORDER_SERVER"); }

  void run(DesktopApp& app, int command) { app.window().actionFor(command)->trigger(); }

  TempDir home_;
  TempDir config_;
  TempDir server_root_;
  FtpServer server_;
  fs::path sample_;
  ModalDriver driver_;
};

TEST_F(DesktopFlowTest, SaveBuildAndPublishThroughTheMenus) {
  DesktopApp app(home_.path(), config_.path() / "Quorvex.ini");
  ASSERT_TRUE(app.start(sample_));
  MainWindow& window = app.window();
  EXPECT_EQ(window.windowTitle(), QString("%1 - Quorvex").arg(kSampleCompany));
  CFtp& servers = *app.document().m_pFtp;
  servers.ftpHost = server_.host();
  servers.ftpUser = "webuser";
  servers.ftpPassword = "webpass";
  servers.vendorId = "merchant";
  servers.vendorPassword = "orderpw";

  // Save As through the file dialog writes a document the tool reads.
  const fs::path saved = home_.path() / (std::string(kSampleCompany) + ".qvx");
  driver_.on("QFileDialog", [&](QWidget& dialog) { testing::chooseFile(dialog, saved); });
  run(app, kCmdSaveAs);
  ASSERT_TRUE(fs::exists(saved));
  testing::CliResult dump =
      testing::runCli({"--home", home_.path().string(), "dump", saved.string()});
  EXPECT_EQ(dump.exit_status, 0) << dump.err;
  EXPECT_NE(dump.out.find("\"webuser\""), std::string::npos);

  // Build through the build choice and the progress dialog.
  driver_.on("Save Web Site Locally", buildLocallyWithoutViewing);
  run(app, kCmdSaveSiteLocally);
  const fs::path site = home_.path() / kSampleCompany;
  EXPECT_TRUE(fs::exists(site / "index.html"));
  EXPECT_TRUE(fs::exists(site / "shop.html"));
  EXPECT_FALSE(app.lifecycle().modified());
  EXPECT_EQ(window.navigator()->currentPage(), 4);

  // Publish: builds again, then GO uploads to both servers; Close.
  bool pressedGo = false;
  driver_.on("Publish Web Site To Internet", [&](QWidget& dialog) {
    if (!pressedGo) {
      pressedGo = true;
      click(dialog, "&GO");
    } else if (hasLabel(dialog, "Finished") || hasLabel(dialog, "Error")) {
      click(dialog, "Close");
    }
  });
  run(app, kCmdPublish);
  EXPECT_TRUE(pressedGo);
  EXPECT_TRUE(fs::exists(server_root_.path() / "web" / "index.html"));
  EXPECT_TRUE(fs::exists(server_root_.path() / "orders" / "order.txt"));
  CBrenquilDoc reread(app.env());
  ASSERT_TRUE(reread.open(saved).ok());
  EXPECT_EQ(reread.m_pWebFileList->entries.size(), app.document().m_pWebFileList->entries.size());

  // Cancel during a build stops it: the document is not saved after it.
  driver_.on("Saving Web Site Locally", [](QWidget& dialog) { click(dialog, "Cancel"); });
  run(app, kCmdSaveSiteLocally);
  EXPECT_TRUE(app.lifecycle().modified());
}

// The build step's routes through the real window: each step it posts opens
// its dialog, which the test closes with Cancel.
TEST_F(DesktopFlowTest, TheBuildStepRoutesAndNewAsksToSave) {
  DesktopApp app(home_.path(), config_.path() / "Quorvex.ini");
  ASSERT_TRUE(app.start(sample_));
  MainWindow& window = app.window();

  // F1 in the main window opens the program's help page. A window's
  // shortcuts answer while it is the active window; activation takes a turn
  // of the event loop.
  window.activateWindow();
  ASSERT_TRUE(waitUntil([&] { return QApplication::activeWindow() == &window; }));
  QTest::keyClick(&window, Qt::Key_F1);
  auto* mainHelp = window.findChild<QTextBrowser*>();
  ASSERT_NE(mainHelp, nullptr);
  EXPECT_TRUE(mainHelp->source().path().endsWith("/Quorvex.html"));

  // F1 in the build choice opens its help page, in a window of the dialog's
  // own (the modal dialog blocks all others); "<< Previous" leads to Server
  // Preferences and marks the document modified.
  bool pressedF1 = false;
  QString dialogHelp;
  driver_.on("Save Web Site Locally", [&](QWidget& dialog) {
    if (QApplication::activeWindow() != &dialog) {
      dialog.activateWindow();
    } else if (!pressedF1) {
      pressedF1 = true;
      QTest::keyClick(&dialog, Qt::Key_F1);
    } else {
      if (auto* help = dialog.findChild<QTextBrowser*>()) dialogHelp = help->source().path();
      click(dialog, "<< &Previous");
    }
  });
  bool preferencesShown = false;
  driver_.on("Server Preferences", [&](QWidget& dialog) {
    preferencesShown = true;
    static_cast<QDialog&>(dialog).reject();
  });
  run(app, kCmdSaveSiteLocally);
  ASSERT_TRUE(waitUntil([&] { return preferencesShown; }));
  EXPECT_EQ(window.navigator()->currentPage(), 4);
  EXPECT_TRUE(app.lifecycle().modified());
  EXPECT_TRUE(dialogHelp.endsWith("/SaveWebSiteLocally.html")) << dialogHelp.toStdString();

  // New asks to save the changes; answered No, the document is a new one.
  driver_.answerNextNo();
  run(app, kCmdNew);
  ASSERT_EQ(driver_.messages.size(), 1u);
  EXPECT_EQ(driver_.messages[0], "Save changes to " + std::string(kSampleCompany) + "?");
  EXPECT_EQ(window.windowTitle(), "New Company - Quorvex");
  EXPECT_TRUE(app.document().m_strCompanyName.empty());
  EXPECT_FALSE(app.lifecycle().modified());

  // Building a company without a name sends the user to Location Information.
  bool locationShown = false;
  driver_.on("Location Information", [&](QWidget& dialog) {
    locationShown = true;
    static_cast<QDialog&>(dialog).reject();
  });
  run(app, kCmdSaveSiteLocally);
  ASSERT_TRUE(waitUntil([&] { return locationShown; }));
  ASSERT_EQ(driver_.messages.size(), 2u);
  EXPECT_EQ(driver_.messages[1], "Please, specify a company name to continue.");
  EXPECT_EQ(window.navigator()->currentPage(), 0);
}

}  // namespace
}  // namespace quorvex::ui
