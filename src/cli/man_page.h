#ifndef QUORVEX_CLI_MAN_PAGE_H_
#define QUORVEX_CLI_MAN_PAGE_H_

#include <string>

namespace quorvex::cli {

// Prints the manual page of quorvex-cli (roff, section 1) to stdout, made
// from the same texts as --help: the options, the exit statuses and every
// command with its usage and help. `version` goes into the page's header.
// The build writes it to quorvex-cli.1.
void printManPage(const std::string& version);

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_MAN_PAGE_H_
