#include "cli/cli_wording.h"

namespace quorvex::cli {

std::vector<TerminalPrompter::Rewording> commandLineWordings() {
  return {
      {"please click on the \"Upload All\" button.", "run publish with --all."},
      {"Please, return to the \"Select Type of Site\" section and click on \"Current Site "
       "Location\".",
       "Please, give the existing site's index page with set-site DOC.qvx NAME --location "
       "INDEX-PATH."},
      {"Use the Browse button if neccessary.", "Give the right path with --location."},
      {"Please, fill in all the enabled fields before you press OK.",
       "Please, give every field this kind of tax needs."},
  };
}

}  // namespace quorvex::cli
