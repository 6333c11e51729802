#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ini_settings_store.h"
#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

TEST(FtpHost, HostSettingsAndTheirAddresses) {
  // A bare name is taken as an FTP server, a port included.
  std::optional<ServerUrl> url = parseHostSetting("ftp.example.com:2121");
  ASSERT_TRUE(url);
  std::optional<FtpServerAddress> address = ftpAddressOf(*url);
  ASSERT_TRUE(address);
  EXPECT_EQ(address->protocol, FtpProtocol::kFtp);
  EXPECT_EQ(address->host, "ftp.example.com");
  EXPECT_EQ(address->port, 2121);

  address = ftpAddressOf(*parseHostSetting("ftps://secure.example.com/path"));
  ASSERT_TRUE(address);
  EXPECT_EQ(address->protocol, FtpProtocol::kFtpExplicitTls);
  EXPECT_EQ(address->port, 0);
  address = ftpAddressOf(*parseHostSetting("sftp://ssh.example.com"));
  ASSERT_TRUE(address);
  EXPECT_EQ(address->protocol, FtpProtocol::kSftp);

  EXPECT_FALSE(ftpAddressOf(*parseHostSetting("http://www.example.com")));
  EXPECT_FALSE(ftpAddressOf(*parseHostSetting("")));
  EXPECT_FALSE(parseHostSetting("my host"));
}

TEST(OrderServer, HostComesFromEnvironmentSettingsOrDefault) {
  testing::TempDir dir;
  IniSettingsStore settings(dir.path() / "Quorvex.ini");
  ::unsetenv("QUORVEX_ORDER_SERVER");
  EXPECT_EQ(orderServerHost(settings), kDefaultOrderServerHost);
  ASSERT_TRUE(settings.setString(kOrderServerSection, kOrderServerKey, "orders.test").ok());
  EXPECT_EQ(orderServerHost(settings), "orders.test");
  ::setenv("QUORVEX_ORDER_SERVER", "127.0.0.1:2121", 1);
  EXPECT_EQ(orderServerHost(settings), "127.0.0.1:2121");
  ::unsetenv("QUORVEX_ORDER_SERVER");
}

TEST(OrderServer, OrdersArePostedBesideTheFtpService) {
  EXPECT_EQ(orderPostAddress("orders.test"), "https://orders.test/order");
  EXPECT_EQ(orderPostAddress("ftp://orders.test"), "https://orders.test/order");
  EXPECT_EQ(orderPostAddress("127.0.0.1:2121"), "http://127.0.0.1:2122/order");
  EXPECT_EQ(orderPostAddress(""), "");
}

}  // namespace
}  // namespace quorvex
