#include "cli/cli_command.h"

#include <charconv>
#include <cstdio>

#include "platform/text_encoding.h"

namespace quorvex::cli {

const char* const kToolSummary = "build, keep and publish a company's web shop.";

const char* const kGlobalOptionsHelp =
    "  --home DIR       the program folder (default $QUORVEX_HOME, else\n"
    "                   ${XDG_DATA_HOME:-~/.local/share}/quorvex)\n"
    "  --yes, --no      answer every question Yes or No\n"
    "  --answers LIST   answer the next questions in order, e.g. y,n,y\n"
    "                   (without these and without a terminal, a question is an\n"
    "                   error: exit status 2)\n"
    "  --quiet, -q      leave out the one-line summary of what changed\n"
    "  --version        the program's version\n"
    "  --help           this text; COMMAND --help for a command's own\n";

const char* const kExitStatusHelp =
    "Exit status: 0 success, 1 failure (a refused value, a file error), 2 usage\n"
    "error (a wrong option or name, an unanswered question).";

const std::vector<CliCommand>& allCommands() {
  static const std::vector<CliCommand> commands = [] {
    std::vector<CliCommand> list;
    addDocumentCommands(list);
    addFieldCommands(list);
    addImageCommands(list);
    addPublishCommands(list);
    addProductCommands(list);
    addProductItemCommands(list);
    addCategoryCommands(list);
    addFeatureCommands(list);
    addCommerceCommands(list);
    addCouponCommands(list);
    addPageCommands(list);
    addAppCommands(list);
    addSiteCommands(list);
    addBuildCommands(list);
    return list;
  }();
  return commands;
}

int usageError(const CliContext& context, const std::string& message) {
  const CliCommand& command = context.command;
  std::fprintf(stderr, "quorvex-cli %s: %s\nUsage: quorvex-cli %s %s\n", command.name,
               message.c_str(), command.name, command.usage);
  return kExitUsage;
}

std::optional<int32_t> numberIn(std::string_view text, int32_t low, int32_t high) {
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

int failure(const std::string& message) {
  std::fprintf(stderr, "quorvex-cli: %s\n", cp1252ToUtf8(message).c_str());
  return kExitFailure;
}

int reportChange(const CliContext& context, const std::string& line) {
  if (!context.quiet && !context.prompter.unansweredQuestion()) {
    std::printf("%s\n", cp1252ToUtf8(line).c_str());
  }
  return kExitSuccess;
}

std::string plural(size_t count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many.empty() ? one + "s" : many);
}

int openCompany(const std::string& file, CBrenquilDoc& doc) {
  Status status = doc.open(file);
  if (!status.ok()) return failure(status.message());
  if (doc.m_strCompanyName.empty()) return failure("The company has no name yet.");
  return kExitSuccess;
}

}  // namespace quorvex::cli
