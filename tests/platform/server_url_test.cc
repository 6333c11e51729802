#include <gtest/gtest.h>

#include "platform/server_url.h"

namespace quorvex {
namespace {

TEST(ServerUrl, PartsOfAUrl) {
  std::optional<ServerUrl> url = parseServerUrl("FTP://user:pw@ftp.example.com:2121/web/shop");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->scheme, "ftp");
  EXPECT_EQ(url->serverName, "ftp.example.com");
  EXPECT_EQ(url->port, 2121);
  EXPECT_EQ(url->path, "/web/shop");

  url = parseServerUrl("sftp://[::1]:22");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->serverName, "::1");
  EXPECT_EQ(url->port, 22);
  EXPECT_EQ(url->path, "");

  url = parseServerUrl("ftp://");
  ASSERT_TRUE(url);
  EXPECT_EQ(url->serverName, "");
  EXPECT_EQ(url->port, 0);
}

TEST(ServerUrl, TextsThatAreNoUrl) {
  for (const char* text : {"ftp.example.com", "ftp.example.com:21", "://x", "1ftp://x",
                           "ftp://my host", "ftp://host:port", "ftp://host:0", "ftp://host:70000",
                           "ftp://[::1", "ftp://host\t"}) {
    EXPECT_FALSE(parseServerUrl(text)) << text;
  }
}

}  // namespace
}  // namespace quorvex
