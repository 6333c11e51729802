#ifndef QUORVEX_TESTS_GENERATOR_SAMPLE_SITE_H_
#define QUORVEX_TESTS_GENERATOR_SAMPLE_SITE_H_

#include <filesystem>
#include <string>
#include <vector>

#include "support/sample_company.h"

namespace quorvex::testing {

// Installs the sample company in `home` (installSampleCompany) and builds
// its site with the save-site run. Returns the site
// folder; records a test failure (and returns an empty path) when the run
// does not finish or shows a message, the messages in `messages`.
std::filesystem::path buildSampleSite(const std::filesystem::path& home,
                                      std::vector<std::string>* messages = nullptr);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_GENERATOR_SAMPLE_SITE_H_
