#include "app/server_preferences_step.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/app_fixture.h"
#include "publish/order_server.h"

namespace quorvex {
namespace {

using ServerPreferencesStepTest = testing::AppFixture;

TEST_F(ServerPreferencesStepTest, OkRefusesTheFirstOtherOriginThatIsNoWebOrigin) {
  struct Case {
    std::string origins;
    std::string refused;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {"", ""},
      {"https://shop.example.org", ""},
      {" HTTP://Shop.Example.org:8080, http://127.0.0.1:1\r\nhttps://[::1]:65535 ", ""},
      {"https://xn--bcher-kva.example", ""},
      {"https://ok.example ftp://files.example", "ftp://files.example"},
      {"shop.example.org", "shop.example.org"},
      {"https://shop.example.org/", "https://shop.example.org/"},
      {"https://shop.example.org/cart.html", "https://shop.example.org/cart.html"},
      {"https://shop.example.org?x=1", "https://shop.example.org?x=1"},
      {"https://user@shop.example.org", "https://user@shop.example.org"},
      {"https://shop.example.org:", "https://shop.example.org:"},
      {"https://shop.example.org:0", "https://shop.example.org:0"},
      {"https://shop.example.org:65536", "https://shop.example.org:65536"},
      {"https://shop.example.org:080", "https://shop.example.org:080"},
      {"https://", "https://"},
      {"https://shop..example", "https://shop..example"},
      {"https://shop_example.org", "https://shop_example.org"},
      {"https://[fe80::1", "https://[fe80::1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.origins);
    prompter_.clear();
    ServerPreferencesStep step(app_);
    step.record.extraOrigins = c.origins;
    EXPECT_EQ(step.accept(), c.refused.empty());
    if (c.refused.empty()) {
      EXPECT_TRUE(prompter_.texts().empty());
    } else {
      EXPECT_EQ(prompter_.texts(),
                std::vector<std::string>{
                    "\"" + c.refused +
                    "\" is not a web origin.\nType each other address of the shop as http:// "
                    "or https://, a host name and, if needed, a colon and a port, with nothing "
                    "after them, such as https://shop.example.org."});
    }
  }
}

TEST_F(ServerPreferencesStepTest, TheOrderServerIsTheUsersSettingStoredOnOk) {
  ServerPreferencesStep step(app_);
  EXPECT_EQ(step.orderServerHost, kDefaultOrderServerHost);
  EXPECT_EQ(step.orderServerOverride(), "");

  // A host that names no FTP server is refused and not stored.
  for (const char* host : {"", "http://orders.example.com", "orders example"}) {
    prompter_.clear();
    step.orderServerHost = host;
    EXPECT_FALSE(step.accept()) << host;
    ASSERT_EQ(prompter_.texts().size(), 1u) << host;
    EXPECT_TRUE(prompter_.texts()[0].starts_with("\"" + std::string(host) +
                                                 "\" does not name an order server."))
        << prompter_.texts()[0];
  }
  EXPECT_EQ(settings_.getString(kOrderServerSection, kOrderServerKey, "none"), "none");

  step.orderServerHost = "sftp://orders.example.com:2222";
  ASSERT_TRUE(step.accept());
  EXPECT_EQ(settings_.getString(kOrderServerSection, kOrderServerKey, "none"),
            "sftp://orders.example.com:2222");
  EXPECT_EQ(ServerPreferencesStep(app_).orderServerHost, "sftp://orders.example.com:2222");

  // The environment's host is used instead, and the step says so.
  ::setenv(kOrderServerVariable, "127.0.0.1:2121", 1);
  EXPECT_EQ(ServerPreferencesStep(app_).orderServerOverride(), "127.0.0.1:2121");
  EXPECT_EQ(orderServerHost(settings_), "127.0.0.1:2121");
  ::unsetenv(kOrderServerVariable);
}

}  // namespace
}  // namespace quorvex
