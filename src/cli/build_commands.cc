// The command that generates a company's site: the save-site run on a worker
// thread, with its progress on stderr.

#include <cstdio>

#include "cli/cli_command.h"
#include "cli/site_build.h"

namespace quorvex::cli {
namespace {

int runBuild(CliContext& context) {
  std::string file;
  bool view = false;
  for (const std::string& arg : context.args) {
    if (arg == "--view") {
      view = true;
    } else if (file.empty() && !arg.starts_with("-")) {
      file = arg;
    } else {
      return usageError(context, "unexpected argument " + arg);
    }
  }
  if (file.empty()) return usageError(context, "missing DOC.qvx");

  SiteBuild site(context.env);
  if (int result = site.open(file)) return result;
  if (int result = site.build(view)) return result;
  std::printf("%s\n", site.indexPage().string().c_str());
  return kExitSuccess;
}

}  // namespace

void addBuildCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"build", "DOC.qvx [--view]", "Generate a company's site into its site folder.",
       "Saves the web site locally: loads the site and style templates, reads the product\n"
       "rows, writes every page, picture and order file into the site folder\n"
       "(<home>/<company>/), and brings the document's published-file lists up to date,\n"
       "removing files the site no longer has. Template, picture and file problems are\n"
       "reported and the build goes on. On success the document is saved and the index\n"
       "page's path printed; --view also opens it in the browser.\n"
       "Progress goes to stderr: a redrawn line on a terminal, else one line per step.\n"
       "Ctrl-C stops the build at its next stop point (exit status 130); a failed build\n"
       "prints its error and exits with 1. An add-on site needs its existing site's\n"
       "location first (set-site --location).\n",
       runBuild});
}

}  // namespace quorvex::cli
