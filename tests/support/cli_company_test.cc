#include "support/cli_company_test.h"

namespace quorvex::testing {

void CliCompanyTest::SetUp() {
  CliResult made = cli({"new", doc(), "--company", "Bakery"});
  ASSERT_EQ(made.exit_status, 0) << made.err;
}

CliResult CliCompanyTest::cli(std::vector<std::string> args) {
  args.insert(args.begin(), {"--home", (dir_.path() / "home").string()});
  return runCli(args);
}

std::string CliCompanyTest::doc() const { return (dir_.path() / "Bakery.qvx").string(); }

}  // namespace quorvex::testing
