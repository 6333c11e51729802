#ifndef QUORVEX_CLI_CLI_COMMAND_H_
#define QUORVEX_CLI_CLI_COMMAND_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/terminal_prompter.h"

namespace quorvex::cli {

// Exit statuses of quorvex-cli.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct CliCommand;

// What a command runs with: the platform services, the command itself and its
// own arguments (everything after the command's name), and whether the
// one-line summaries of changes are left out (--quiet).
struct CliContext {
  const Env& env;
  const CliCommand& command;
  std::vector<std::string> args;
  const TerminalPrompter& prompter;
  bool quiet = false;
};

// One verb of quorvex-cli.
struct CliCommand {
  const char* name;
  // The arguments, as shown after "quorvex-cli NAME".
  const char* usage;
  // One line for the command list.
  const char* summary;
  // The rest of the command's --help text.
  const char* help;
  int (*run)(CliContext& context);
};

// What the tool does, in one line.
extern const char* const kToolSummary;
// The options taken before (or after) any command, as --help lists them.
extern const char* const kGlobalOptionsHelp;
// What the exit statuses mean.
extern const char* const kExitStatusHelp;

// Every command, in the order the help lists them.
const std::vector<CliCommand>& allCommands();

// The commands of each family.
void addDocumentCommands(std::vector<CliCommand>& commands);
void addImageCommands(std::vector<CliCommand>& commands);
void addPublishCommands(std::vector<CliCommand>& commands);
void addProductCommands(std::vector<CliCommand>& commands);
void addAppCommands(std::vector<CliCommand>& commands);
void addSiteCommands(std::vector<CliCommand>& commands);
void addBuildCommands(std::vector<CliCommand>& commands);
void addFieldCommands(std::vector<CliCommand>& commands);
void addProductItemCommands(std::vector<CliCommand>& commands);
void addCommerceCommands(std::vector<CliCommand>& commands);
void addCouponCommands(std::vector<CliCommand>& commands);
void addPageCommands(std::vector<CliCommand>& commands);
void addCategoryCommands(std::vector<CliCommand>& commands);
void addFeatureCommands(std::vector<CliCommand>& commands);

// Prints the message and the command's usage to stderr; returns kExitUsage.
int usageError(const CliContext& context, const std::string& message);

// Prints "quorvex-cli: " + message to stderr and returns kExitFailure.
int failure(const std::string& message);

// Prints `line` (in the documents' code page), the one-line summary of what
// a command changed, to stdout unless --quiet was given or a question went
// unanswered (the command then fails). Returns kExitSuccess.
int reportChange(const CliContext& context, const std::string& line);

// Returns "1 product", "3 products": `count` followed by `one`, or by
// `many` (default `one` + "s") for any count but 1.
std::string plural(size_t count, const std::string& one, const std::string& many = "");

// The decimal whole number `text` holds when it lies from `low` to `high`;
// nullopt for anything else (signs, blanks, other characters included).
std::optional<int32_t> numberIn(std::string_view text, int32_t low, int32_t high);

// Opens the document of a company that has a name (and so a site folder);
// returns kExitSuccess, or kExitFailure after printing why not.
int openCompany(const std::string& file, CBrenquilDoc& doc);

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_CLI_COMMAND_H_
