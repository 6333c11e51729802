#include "support/sample_company.h"

#include <gtest/gtest.h>

#include "platform/home.h"

namespace quorvex::testing {

namespace fs = std::filesystem;

fs::path installSampleCompany(const fs::path& home) {
  EXPECT_TRUE(seedHome(home, installedDataDir()).ok());
  const fs::path document = home / "Sample" / "acme.qvx";
  EXPECT_TRUE(fs::exists(document)) << "run scripts/make-sample.sh first";
  std::error_code error;
  fs::copy(home / "Sample" / kSampleCompany, home / kSampleCompany,
           fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
  EXPECT_FALSE(error) << error.message();
  return document;
}

}  // namespace quorvex::testing
