#include "support/run_cli.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/temp_dir.h"

namespace quorvex::testing {

CliResult runCli(const std::vector<std::string>& args) {
  TempDir capture;
  std::string out_path = (capture.path() / "out").string();
  std::string err_path = (capture.path() / "err").string();
  std::vector<std::string> argv_strings = {QUORVEX_CLI_PATH};
  argv_strings.insert(argv_strings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_strings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  CliResult result;
  pid_t child = ::fork();
  if (child == 0) {
    int in = ::open("/dev/null", O_RDONLY);
    int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = readFile(out_path);
  result.err = readFile(err_path);
  return result;
}

}  // namespace quorvex::testing
