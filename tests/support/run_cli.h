#ifndef QUORVEX_TESTS_SUPPORT_RUN_CLI_H_
#define QUORVEX_TESTS_SUPPORT_RUN_CLI_H_

#include <string>
#include <vector>

namespace quorvex::testing {

struct CliResult {
  int exit_status = -1;
  std::string out;
  std::string err;
};

// Runs quorvex-cli with `args` (no shell involved) and collects its exit
// status, standard output and standard error.
CliResult runCli(const std::vector<std::string>& args);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_RUN_CLI_H_
