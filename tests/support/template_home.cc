#include "support/template_home.h"

namespace quorvex::testing {

std::filesystem::path TemplateHomeTest::writeSiteFile(const std::string& relative,
                                                      std::string_view content) {
  return home_.write("Site Templates/" + relative, content);
}

std::filesystem::path TemplateHomeTest::writeStyleFile(const std::string& relative,
                                                       std::string_view content) {
  return home_.write("Style Templates/" + relative, content);
}

std::vector<std::string> TemplateHomeTest::takeTexts() {
  std::vector<std::string> texts = prompter_.texts();
  prompter_.clear();
  return texts;
}

}  // namespace quorvex::testing
