#ifndef QUORVEX_CLI_CLI_WORDING_H_
#define QUORVEX_CLI_CLI_WORDING_H_

#include <vector>

#include "platform/terminal_prompter.h"

namespace quorvex::cli {

// The command line's wording of the actions that the shared messages word
// for dialogs ("click on the \"Upload All\" button" becomes "run publish
// with --all"): the messages keep their text otherwise, and the desktop
// program shows them unchanged.
std::vector<TerminalPrompter::Rewording> commandLineWordings();

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_CLI_WORDING_H_
