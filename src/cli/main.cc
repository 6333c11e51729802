// quorvex-cli: builds, keeps and publishes a company's web shop from the
// command line.
//   quorvex-cli [--home DIR] [--yes|--no|--answers LIST] [--quiet] COMMAND [ARGS...]

#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/app_version.h"
#include "cli/cli_command.h"
#include "cli/cli_wording.h"
#include "cli/man_page.h"
#include "cli/name_choice.h"
#include "platform/home.h"
#include "platform/terminal_prompter.h"

namespace quorvex::cli {
namespace {

struct GlobalOptions {
  std::optional<std::string> home;
  std::deque<bool> answers;
  std::optional<bool> fixed_answer;
  bool help = false;
  bool version = false;
  bool man = false;  // print the manual page (made by the build)
  bool quiet = false;
  std::vector<std::string> rest;  // the command and its arguments
};

void printToolHelp() {
  std::printf("quorvex-cli: %s\n\nUsage: quorvex-cli [OPTIONS] COMMAND [ARGS...]\n\nOptions:\n%s\n%s\n\n"
              "Commands:\n",
              kToolSummary, kGlobalOptionsHelp, kExitStatusHelp);
  for (const CliCommand& command : allCommands()) {
    std::printf("  %-15s %s\n", command.name, command.summary);
  }
}

void printCommandHelp(const CliCommand& command) {
  std::printf("Usage: quorvex-cli %s %s\n\n%s\n\n%s", command.name, command.usage,
              command.summary, command.help);
}

bool parseAnswers(const std::string& list, std::deque<bool>& answers) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    std::string word = list.substr(start, comma == std::string::npos ? std::string::npos
                                                                     : comma - start);
    if (word == "y" || word == "yes") {
      answers.push_back(true);
    } else if (word == "n" || word == "no") {
      answers.push_back(false);
    } else {
      return false;
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

// Returns an error message, empty on success.
std::string parseGlobalOptions(int argc, char** argv, GlobalOptions& options) {
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) {
      options.home = argv[++i];
    } else if (arg == "--yes" || arg == "--no") {
      options.fixed_answer = arg == "--yes";
    } else if (arg == "--answers" && i + 1 < argc) {
      if (!parseAnswers(argv[++i], options.answers)) return "--answers takes a list such as y,n,y";
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--man") {
      options.man = true;
    } else if (arg == "--quiet" || arg == "-q") {
      options.quiet = true;
    } else if (arg == "--home" || arg == "--answers") {
      return arg + " needs a value";
    } else {
      return "unknown option " + arg;
    }
  }
  options.rest.assign(argv + i, argv + argc);
  return "";
}

std::vector<std::string> commandNames() {
  std::vector<std::string> names;
  for (const CliCommand& command : allCommands()) names.push_back(command.name);
  return names;
}

int run(int argc, char** argv) {
  GlobalOptions options;
  std::string error = parseGlobalOptions(argc, argv, options);
  if (!error.empty()) {
    std::fprintf(stderr, "quorvex-cli: %s\nTry quorvex-cli --help.\n", error.c_str());
    return kExitUsage;
  }
  if (options.man) {
    printManPage(versionText(programVersion()));
    return kExitSuccess;
  }
  if (options.version) {
    std::printf("quorvex-cli %s\n", versionText(programVersion()).c_str());
    return kExitSuccess;
  }
  if (options.rest.empty()) {
    printToolHelp();
    return options.help ? kExitSuccess : kExitUsage;
  }
  const std::vector<std::string> names = commandNames();
  std::optional<size_t> found = findName(names, options.rest[0]);
  if (!found) {
    std::fprintf(stderr, "quorvex-cli: %s\n",
                 unknownNameMessage("command", options.rest[0], names).c_str());
    return kExitUsage;
  }
  const CliCommand* command = &allCommands()[*found];
  // The options of every command may also follow the command.
  std::vector<std::string> args;
  for (size_t i = 1; i < options.rest.size(); ++i) {
    const std::string& arg = options.rest[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--quiet" || arg == "-q") {
      options.quiet = true;
    } else if (arg == "--yes" || arg == "--no") {
      options.fixed_answer = arg == "--yes";
    } else if (arg == "--answers" && i + 1 < options.rest.size()) {
      if (!parseAnswers(options.rest[++i], options.answers)) {
        std::fprintf(stderr, "quorvex-cli: --answers takes a list such as y,n,y\n");
        return kExitUsage;
      }
    } else {
      args.push_back(arg);
    }
  }
  if (options.help) {
    printCommandHelp(*command);
    return kExitSuccess;
  }

  std::filesystem::path home = resolveHome(options.home);
  Status seeded = seedHome(home, installedDataDir());
  if (!seeded.ok()) return failure(seeded.message());
  TerminalPrompter prompter(options.answers, options.fixed_answer);
  prompter.setRewordings(commandLineWordings());
  Env env(home, prompter);
  CliContext context{env, *command, std::move(args), prompter, options.quiet};
  const int result = command->run(context);
  return prompter.unansweredQuestion() ? kExitUsage : result;
}

}  // namespace
}  // namespace quorvex::cli

int main(int argc, char** argv) { return quorvex::cli::run(argc, argv); }
