// Builds the sample company's site and loads every generated page in
// headless Chromium, failing on any message a page writes to the console
// (script errors above all).

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <sstream>

#include "generator/sample_site.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

// The standard output of `command` run by the shell; nullopt when it cannot
// be started.
std::optional<std::string> runCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  if (!pipe) return std::nullopt;
  std::string output;
  std::array<char, 4096> buffer;
  size_t read;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) {
    output.append(buffer.data(), read);
  }
  return output;
}

std::string fileUrl(const fs::path& path) {
  std::string url = "file://";
  for (char c : path.string()) {
    if (c == ' ') {
      url += "%20";
    } else {
      url += c;
    }
  }
  return url;
}

// A page holding the shop frame and one frame per generated page; once all
// have loaded it logs "PAGE <file> items=<n>" for each, n being the number of
// catalogue items the page shows.
std::string harness(const fs::path& site, const std::vector<std::string>& pages) {
  std::string html =
      "<html><body><iframe name=\"shop\" src=\"" + fileUrl(site / "shop.html") + "\"></iframe>\n";
  for (const std::string& page : pages) {
    html += "<iframe data-page=\"" + page + "\" src=\"" + fileUrl(site / page) + "\"></iframe>\n";
  }
  html +=
      "<script>\nwindow.onload = function () { setTimeout(function () {\n"
      "  var frames = document.querySelectorAll('iframe[data-page]');\n"
      "  for (var i = 0; i < frames.length; i++) {\n"
      "    var name = frames[i].getAttribute('data-page');\n"
      "    try {\n"
      "      var items = frames[i].contentDocument.querySelectorAll('.item').length;\n"
      "      console.log('PAGE ' + name + ' items=' + items);\n"
      "    } catch (e) { console.log('PAGE ' + name + ' unreadable: ' + e); }\n"
      "  }\n}, 3000); };\n</script></body></html>\n";
  return html;
}

TEST(SampleSiteInBrowser, EveryPageLoadsWithoutAConsoleMessage) {
  std::optional<std::string> chromium = runCommand("command -v chromium");
  if (!chromium || chromium->empty()) {
    // The test script installs chromium and insists on it, so that a missing
    // browser fails there instead of passing unnoticed.
    if (std::getenv("QUORVEX_REQUIRE_BROWSER")) FAIL() << "chromium is not installed";
    GTEST_SKIP() << "chromium is not installed";
  }

  TempDir dir;
  std::vector<std::string> messages;
  const fs::path site = buildSampleSite(dir.path() / "home", &messages);
  ASSERT_FALSE(site.empty());
  EXPECT_EQ(messages, std::vector<std::string>());

  std::vector<std::string> pages;
  for (const fs::directory_entry& entry : fs::directory_iterator(site)) {
    if (entry.path().extension() == ".html") pages.push_back(entry.path().filename().string());
  }
  std::sort(pages.begin(), pages.end());
  const fs::path harnessFile = dir.path() / "harness.html";
  std::FILE* out = std::fopen(harnessFile.c_str(), "w");
  ASSERT_NE(out, nullptr);
  std::fputs(harness(site, pages).c_str(), out);
  std::fclose(out);

  std::optional<std::string> log = runCommand(
      "chromium --headless --no-sandbox --disable-gpu --allow-file-access-from-files "
      "--user-data-dir='" +
      (dir.path() / "profile").string() +
      "' --enable-logging=stderr --v=0 --virtual-time-budget=10000 --dump-dom '" +
      fileUrl(harnessFile) + "' 2>&1 >/dev/null");
  ASSERT_TRUE(log);
  std::map<std::string, std::string> shown;
  std::vector<std::string> otherMessages;
  std::regex console(R"(:CONSOLE[^\]]*\] \"(.*)\", source: (.*))");
  std::regex page(R"(PAGE (\S+) (.*))");
  std::istringstream lines(*log);
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (!std::regex_search(line, match, console)) continue;
    std::string message = match[1];
    std::smatch pageMatch;
    if (std::regex_match(message, pageMatch, page)) {
      shown[pageMatch[1]] = pageMatch[2];
    } else {
      otherMessages.push_back(message + " (" + std::string(match[2]) + ")");
    }
  }
  EXPECT_EQ(otherMessages, std::vector<std::string>());
  EXPECT_EQ(shown.size(), pages.size()) << *log;
  // The catalogue pages show their items from the shop frame.
  EXPECT_EQ(shown["Product.html"], "items=10");  // a page of items
  EXPECT_EQ(shown["category.html"], "items=10");
  EXPECT_EQ(shown["featuredItems.html"], "items=5");
  EXPECT_EQ(shown["TENT_2P.html"], "items=1");
  EXPECT_EQ(shown["Home.html"], "items=0");
}

}  // namespace
}  // namespace quorvex::testing
