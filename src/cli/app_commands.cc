// The commands that run the application's document steps: rename a company,
// back it up and restore it.

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/backups.h"
#include "app/company_name.h"
#include "cli/cli_command.h"
#include "cli/document_session.h"
#include "company/brenquil_doc.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

int runRename(CliContext& context) {
  if (context.args.size() != 2) return usageError(context, "expected DOC.qvx and NAME");
  std::optional<std::string> name = utf8ToCp1252(context.args[1]);
  if (!name) return failure("the company name holds characters a document cannot store");
  Status check = checkCompanyName(*name);
  if (!check.ok()) return failure(check.message());
  DocumentSession document(context.env);
  if (!document.open(context.args[0])) return kExitFailure;
  if (!document.lifecycle().renameAndSave(*name)) return kExitFailure;
  return reportChange(context, "Renamed the company to " + *name + "; its document is now " +
                                   document.lifecycle().path().string() + ".");
}

int runBackup(CliContext& context) {
  std::string file;
  std::optional<fs::path> extraCopy;
  for (size_t i = 0; i < context.args.size(); ++i) {
    if (context.args[i] == "--copy-to" && i + 1 < context.args.size()) {
      std::error_code error;
      fs::path target = context.args[++i];
      fs::path absolute = fs::absolute(target, error);
      extraCopy = error ? target : absolute;
    } else if (file.empty() && context.args[i][0] != '-') {
      file = context.args[i];
    } else {
      return usageError(context, "unexpected argument " + context.args[i]);
    }
  }
  if (file.empty()) return usageError(context, "missing DOC.qvx");
  DocumentSession document(context.env);
  // The extra copy's file dialog chooses the file given with --copy-to.
  document.frontEnd().setChosenFile(extraCopy);
  if (!document.open(file)) return kExitFailure;
  if (!Backups(document.lifecycle()).saveBackup()) return kExitFailure;
  return reportChange(context, "Saved a backup of " + file + ".");
}

int runRestore(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one DOC.qvx");
  DocumentSession document(context.env);
  if (!document.open(context.args[0])) return kExitFailure;
  if (!Backups(document.lifecycle()).restoreFromBackup()) return kExitFailure;
  return reportChange(context, "Restored " + context.args[0] + " from its backup.");
}

}  // namespace

void addAppCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"rename", "DOC.qvx NAME", "Rename a company and move its files along.",
       "NAME becomes the company name. When it differs from the old one, the site folder\n"
       "<home>/<old name> becomes <home>/NAME, the document moves to <home>/NAME.qvx\n"
       "(also when it was kept elsewhere), an in-program product file follows the site\n"
       "folder and the copyright line names the new company; every home page gets NAME\n"
       "as its header. The document is then saved at its new place.\n",
       runRename});
  commands.push_back(
      {"backup", "DOC.qvx [--copy-to FILE]", "Save a backup of a company.",
       "Saves the document, then copies it to <home>/Backups/<file name> and the product\n"
       "file to <home>/Backups/<company>/Pricelist.txt. The question about an extra copy\n"
       "is answered by --yes, --no or --answers; on yes the document is also copied to\n"
       "FILE.\n",
       runBackup});
  commands.push_back(
      {"restore", "DOC.qvx", "Restore a company from its backup.",
       "Replaces <home>/<company>.qvx and <home>/<company>/Pricelist.txt by their copies\n"
       "in <home>/Backups, keeping the replaced files as <company>.old and\n"
       "<company>/Pricelist.old. The questions are answered by --yes, --no or --answers.\n",
       runRestore});
}

}  // namespace quorvex::cli
