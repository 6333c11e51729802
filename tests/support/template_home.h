#ifndef QUORVEX_TESTS_SUPPORT_TEMPLATE_HOME_H_
#define QUORVEX_TESTS_SUPPORT_TEMPLATE_HOME_H_

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"
#include "platform/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

// A temporary program folder with a scripted prompter, for the tests of the
// site and style template folders.
class TemplateHomeTest : public ::testing::Test {
 protected:
  TemplateHomeTest() : env_(home_.path(), prompter_) {}

  // Writes `content` to `relative` below "Site Templates" or "Style
  // Templates" of the home.
  std::filesystem::path writeSiteFile(const std::string& relative, std::string_view content);
  std::filesystem::path writeStyleFile(const std::string& relative, std::string_view content);

  std::filesystem::path siteFolder() const { return home_.path() / "Site Templates"; }
  std::filesystem::path styleFolder() const { return home_.path() / "Style Templates"; }

  // The texts shown so far; forgets them.
  std::vector<std::string> takeTexts();

  TempDir home_;
  ScriptedPrompter prompter_;
  Env env_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_TEMPLATE_HOME_H_
