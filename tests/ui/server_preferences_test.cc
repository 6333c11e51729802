#include <QLineEdit>
#include <QSpinBox>
#include <cstdlib>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "company/brenquil_doc.h"
#include "publish/order_server.h"
#include "support/ftp_server.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

// Server Preferences with the test FTP server as web server and order
// server.
class ServerPreferencesTest : public SampleAppFixture {
 protected:
  ServerPreferencesTest()
      : server_(server_root_.path(),
                {{"webuser", "webpass", "web"}, {"merchant", "orderpw", "orders"}}) {
    ::setenv("QUORVEX_ORDER_SERVER", server_.host().c_str(), 1);
  }
  ~ServerPreferencesTest() override { ::unsetenv("QUORVEX_ORDER_SERVER"); }

  TempDir server_root_;
  FtpServer server_;
};

TEST_F(ServerPreferencesTest, PasswordsAreMaskedAndRetypedTheConnectionIsTestedAndOkStores) {
  bool masked = false;
  bool overrideShown = false;
  const QString host = QString::fromStdString(server_.host());
  driver_.on("Server Preferences",
             inOrder({[&](QWidget& w) {
                        masked = qobject_cast<QLineEdit*>(fieldNamed(w, "&Password:"))->echoMode() ==
                                     QLineEdit::Password &&
                                 qobject_cast<QLineEdit*>(fieldNamed(w, "Pa&ssword:"))->echoMode() ==
                                     QLineEdit::Password;
                        typeInto(w, "FTP &Hostname:", host);
                        typeInto(w, "&Username:", "webuser");
                        typeInto(w, "&Password:", "webpass");
                        typeInto(w, "Retype Pass&word:", "webpasx");
                        typeInto(w, "Quorvex &ID:", "merchant");
                        typeInto(w, "Pa&ssword:", "orderpw");
                        typeInto(w, "Retype Passw&ord:", "orderpw");
                        overrideShown = hasLabel(
                            w, "In use instead: " + host + " ($QUORVEX_ORDER_SERVER)");
                        typeInto(w, "Order Ser&ver:", "orders.example.com");
                        typeInto(w, "Other Shop Ori&gins:", "https://shop.example.org/");
                        click(w, "&Close");
                      },
                      [](QWidget& w) {
                        typeInto(w, "Retype Pass&word:", "webpass");
                        click(w, "&Test Connection");
                      },
                      [](QWidget& w) { click(w, "&Advanced Preferences"); },
                      [](QWidget& w) { click(w, "&Close"); },
                      [](QWidget& w) {
                        typeInto(w, "Other Shop Ori&gins:", "https://shop.example.org");
                        click(w, "&Close");
                      }}));
  driver_.on("Advanced Server Preferences", inOrder({[](QWidget& w) {
               qobject_cast<QSpinBox*>(fieldNamed(w, "&Quality Level:"))->setValue(75);
               click(w, "OK");
             }}));
  run(kCmdServerPreferences);
  ASSERT_EQ(driver_.messages.size(), 3u);
  EXPECT_EQ(driver_.messages[0],
            "The two web server passwords you typed are not the same.\nPlease, type the "
            "password again in both fields.");
  EXPECT_EQ(driver_.messages[2],
            "\"https://shop.example.org/\" is not a web origin.\nType each other address of the "
            "shop as http:// or https://, a host name and, if needed, a colon and a port, with "
            "nothing after them, such as https://shop.example.org.");
  // Both logins succeeded, the web server's said first: the order server
  // the environment names is used in place of the one typed.
  const std::string& report = driver_.messages[1];
  const size_t first = report.find("logged in successfully");
  ASSERT_NE(first, std::string::npos) << report;
  EXPECT_NE(report.find("logged in successfully", first + 1), std::string::npos) << report;
  EXPECT_EQ(report.rfind("Your web server", 0), 0u) << report;
  EXPECT_TRUE(masked);
  EXPECT_TRUE(overrideShown);
  EXPECT_EQ(doc().m_pFtp->extraOrigins, "https://shop.example.org");
  EXPECT_EQ(orderServerHost(app_->env().settings()), server_.host());
  ::unsetenv("QUORVEX_ORDER_SERVER");
  EXPECT_EQ(orderServerHost(app_->env().settings()), "orders.example.com");
  const CFtp& ftp = *doc().m_pFtp;
  EXPECT_EQ(ftp.ftpHost, server_.host());
  EXPECT_EQ(ftp.ftpPassword, "webpass");
  EXPECT_EQ(ftp.vendorId, "merchant");
  EXPECT_EQ(ftp.jpegQuality, 75);
  EXPECT_TRUE(app_->lifecycle().modified());

  // Cancel keeps the stored preferences.
  driver_.messages.clear();
  driver_.on("Server Preferences", inOrder({[](QWidget& w) {
               typeInto(w, "FTP &Hostname:", "elsewhere.example");
               cancel(w);
             }}));
  run(kCmdServerPreferences);
  EXPECT_EQ(doc().m_pFtp->ftpHost, server_.host());
}

}  // namespace
}  // namespace quorvex::testing
