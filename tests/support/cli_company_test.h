#ifndef QUORVEX_TESTS_SUPPORT_CLI_COMPANY_TEST_H_
#define QUORVEX_TESTS_SUPPORT_CLI_COMPANY_TEST_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

// A fixture for tests of quorvex-cli commands on one company: SetUp makes a
// new company "Bakery" in a temporary home, cli() runs the tool in that home.
class CliCompanyTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Runs quorvex-cli with `args` after --home and the temporary home.
  CliResult cli(std::vector<std::string> args);
  // The company document's path.
  std::string doc() const;

  TempDir dir_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_CLI_COMPANY_TEST_H_
