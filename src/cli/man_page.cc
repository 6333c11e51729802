#include "cli/man_page.h"

#include <cstdio>

#include "cli/cli_command.h"

namespace quorvex::cli {

namespace {

// `text` with roff's special characters escaped and each line that would
// start with a control character protected; lines are kept as they are
// (inside .nf / .fi) so the help's own layout stays.
std::string roff(const std::string& text) {
  std::string out;
  bool lineStart = true;
  for (char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
    lineStart = c == '\n';
  }
  return out;
}

}  // namespace

void printManPage(const std::string& version) {
  std::printf(".TH QUORVEX-CLI 1 \"\" \"quorvex-cli %s\" \"User Commands\"\n", version.c_str());
  std::printf(".SH NAME\nquorvex\\-cli \\- %s\n", roff(kToolSummary).c_str());
  std::printf(".SH SYNOPSIS\n.B quorvex\\-cli\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n");
  std::printf(".SH OPTIONS\n.nf\n%s.fi\n", roff(kGlobalOptionsHelp).c_str());
  std::printf(".SH COMMANDS\n");
  for (const CliCommand& command : allCommands()) {
    std::printf(".SS %s\n.nf\nquorvex\\-cli %s %s\n.fi\n%s\n.nf\n%s.fi\n", command.name,
                roff(command.name).c_str(), roff(command.usage).c_str(),
                roff(command.summary).c_str(), roff(command.help).c_str());
  }
  std::printf(".SH EXIT STATUS\n%s\n", roff(kExitStatusHelp).c_str());
}

}  // namespace quorvex::cli
