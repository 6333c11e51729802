// `quorvex-cli serve` shows the site as its web server will: the files of the
// web file list under their published names, nothing else of the site folder.

#include <httplib.h>

#include <gtest/gtest.h>

#include "support/python_process.h"
#include "support/sample_company.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

TEST(ServeCommand, ServesOnlyThePublishedWebFiles) {
  testing::TempDir home;
  const std::filesystem::path document = testing::installSampleCompany(home.path());
  testing::PythonProcess serve("run_while_input_open.py",
                               {QUORVEX_CLI_PATH, "--home", home.path().string(), "serve",
                                document.string(), "--port", "0"});
  std::string line = serve.readLine();
  for (int wait = 0; line.empty() && wait < 6; ++wait) line = serve.readLine();
  const std::string prefix = "Serving http://127.0.0.1:";
  ASSERT_EQ(line.rfind(prefix, 0), 0u) << line;
  httplib::Client client("127.0.0.1", std::stoi(line.substr(prefix.size())));

  struct Case {
    const char* path;
    int status;
    const char* contentType;
  };
  const Case cases[] = {
      {"/", 200, "text/html; charset=windows-1252"},
      {"/Product.html", 200, "text/html; charset=windows-1252"},
      {"/site.css", 200, "text/css"},
      {"/Images/nada.gif", 200, "image/gif"},
      // In the site folder but for the order server, or not published at all.
      {"/orderdata.json", 404, nullptr},
      {"/thankyou.html", 404, nullptr},
      {"/PriceList.txt", 404, nullptr},
      {"/../Acme%20Outdoor%20Supply.qvx", 404, nullptr},
      {"/Images/", 404, nullptr},
  };
  for (const Case& c : cases) {
    httplib::Result result = client.Get(c.path);
    ASSERT_TRUE(result) << c.path;
    EXPECT_EQ(result->status, c.status) << c.path;
    if (c.contentType) {
      EXPECT_EQ(result->get_header_value("Content-Type"), c.contentType) << c.path;
    }
  }
  EXPECT_NE(client.Get("/")->body.find("<iframe id=\"main\" name=\"main\""), std::string::npos);
}

}  // namespace
}  // namespace quorvex
