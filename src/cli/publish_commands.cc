// The commands that upload a company's site and fetch its sales logs.

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>
#include <unistd.h>

#include "app/publish_model.h"
#include "cli/cli_command.h"
#include "cli/publish_plan.h"
#include "cli/site_build.h"
#include "company/brenquil_doc.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "publish/order_server.h"
#include "publish/sales_log_download.h"
#include "publish/server_comparison.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

// Shows the publish dialog's progress on stderr, each time the model reports
// a change: a bar redrawn in place on a terminal, otherwise each new status
// text on a line of its own.
class ProgressReport {
 public:
  ProgressReport() : terminal_(::isatty(::fileno(stderr)) != 0) {}

  void show(const PublishModel& model) {
    if (model.statusText() == shown_text_ && model.progressPosition() == shown_position_) return;
    shown_text_ = model.statusText();
    shown_position_ = model.progressPosition();
    std::string text = cp1252ToUtf8(shown_text_);
    if (!terminal_) {
      std::fprintf(stderr, "%s\n", text.c_str());
      return;
    }
    constexpr int kWidth = 30;
    const int maximum = model.progressMaximum();
    const int filled = maximum > 0 ? shown_position_ * kWidth / maximum : 0;
    std::string bar(static_cast<size_t>(filled), '#');
    bar.resize(kWidth, ' ');
    if (text.size() > 60) text.resize(60);
    std::fprintf(stderr, "\r\033[K[%s] %d/%d %s", bar.c_str(), shown_position_, maximum,
                 text.c_str());
  }

  void finish() {
    if (terminal_) std::fprintf(stderr, "\n");
  }

 private:
  bool terminal_;
  std::string shown_text_;
  int shown_position_ = -1;
};

// "N files were not uploaded or deleted: a, b, ..." naming at most ten.
std::string describePending(const std::vector<std::string>& pending) {
  constexpr size_t kNamed = 10;
  std::string text = std::to_string(pending.size()) +
                     (pending.size() == 1 ? " file was" : " files were") +
                     " not uploaded or deleted as the site needs:";
  for (size_t i = 0; i < pending.size() && i < kNamed; ++i) {
    text += (i == 0 ? " " : ", ") + pending[i];
  }
  if (pending.size() > kNamed) text += ", ...";
  return text;
}

// Prints the names of `files` under `heading`, when there are any.
void printList(const char* heading, const std::vector<std::string>& files) {
  if (files.empty()) return;
  std::printf("%s:\n", heading);
  for (const std::string& file : files) std::printf("  %s\n", cp1252ToUtf8(file).c_str());
}

// Compares the servers with the plan and prints what a publish would do.
int reportDryRun(CliContext& context, const UploadSettings& settings, const CBrenquilDoc& doc,
                 const PublishPlan& plan, bool all, bool list) {
  ServerComparison servers;
  Status compared = compareWithServers(settings, *doc.m_pWebFileList,
                                       *doc.m_pOrderServerFileList, context.env, &servers);
  if (!compared.ok()) return failure(compared.message());
  printList("Would upload", plan.upload);
  printList("Would delete", plan.remove);
  if (!all) {
    // Files recorded as uploaded go up again only with --all.
    printList("Not on the server (publish --all sends them again)", servers.missing);
    printList("On the server with another size (publish --all sends them again)",
              servers.differing);
  }
  printList("Already gone from the server", servers.alreadyGone);
  if (list) printList("Unchanged", plan.unchanged);
  std::printf("Would upload %zu, delete %zu; %zu unchanged", plan.upload.size(),
              plan.remove.size(), plan.unchanged.size());
  if (!all) {
    std::printf(", of which %zu not on the server and %zu different there",
                servers.missing.size(), servers.differing.size());
  }
  std::printf(". Nothing was sent.\n");
  return kExitSuccess;
}

int runPublish(CliContext& context) {
  std::string file;
  bool all = false, list = false, dryRun = false;
  std::optional<int32_t> connections = UploadSettings().connectionsPerServer;
  for (size_t i = 0; i < context.args.size(); ++i) {
    const std::string& arg = context.args[i];
    if (arg == "--connections" && i + 1 < context.args.size()) {
      connections = numberIn(context.args[++i], 1, UploadSettings::kMostConnectionsPerServer);
      if (!connections) {
        return usageError(context, "--connections takes a number from 1 to " +
                                       std::to_string(UploadSettings::kMostConnectionsPerServer));
      }
    } else if (arg == "--all") {
      all = true;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--dry-run") {
      dryRun = true;
    } else if (file.empty() && !arg.starts_with("-")) {
      file = arg;
    } else {
      return usageError(context, "unexpected argument " + arg);
    }
  }
  if (file.empty()) return usageError(context, "missing FILE.qvx");

  // The site is built first, so that what is uploaded is what the document
  // describes now.
  SiteBuild site(context.env);
  if (int result = site.open(file)) return result;
  if (int result = site.build()) return result;
  CBrenquilDoc& doc = site.doc();
  const std::vector<const CFileList*> lists = {doc.m_pOrderServerFileList.get(),
                                               doc.m_pWebFileList.get()};
  const PublishPlan plan = PublishPlan::of(lists, context.env.home(), all);
  UploadSettings settings = UploadSettings::fromPreferences(
      *doc.m_pFtp, orderServerHost(context.env.settings()), doc.m_pSiteTemplate->isAddOn());
  settings.siteFolder = site.indexPage().parent_path();
  settings.connectionsPerServer = *connections;
  if (dryRun) return reportDryRun(context, settings, doc, plan, all, list);
  std::string outcome;
  {
    PublishModel model(settings, *doc.m_pWebFileList, *doc.m_pOrderServerFileList, site.env());
    ProgressReport progress;
    model.subscribe([&] { progress.show(model); });
    if (all) {
      model.uploadAll();
    } else {
      model.go();
    }
    while (model.timerActive()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      model.poll();
    }
    progress.finish();
    outcome = model.statusText();
  }
  // Saved however the run ended, so that what was uploaded stays recorded.
  Status saved = doc.save(doc.path());
  if (!saved.ok()) return failure(saved.message());
  // Whatever the run said, the lists tell what the servers still lack.
  std::vector<std::string> failed = doc.m_pOrderServerFileList->pendingFiles(context.env.home());
  std::vector<std::string> web = doc.m_pWebFileList->pendingFiles(context.env.home());
  failed.insert(failed.end(), web.begin(), web.end());
  const std::vector<std::string> uploaded = PublishPlan::done(plan.upload, failed);
  const std::vector<std::string> deleted = PublishPlan::done(plan.remove, failed);
  if (list) {
    printList("Uploaded", uploaded);
    printList("Deleted", deleted);
    printList("Failed", failed);
  }
  const std::string summary = "Published: " + std::to_string(uploaded.size()) + " uploaded, " +
                              std::to_string(deleted.size()) + " deleted, " +
                              std::to_string(plan.unchanged.size()) + " unchanged, " +
                              std::to_string(failed.size()) + " failed.";
  if (!failed.empty()) {
    std::printf("%s\n", summary.c_str());
    return failure(describePending(failed));
  }
  if (outcome != "Finished" && outcome != "Nothing to upload") return kExitFailure;
  return reportChange(context, summary);
}

int runFetchLogs(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one FILE.qvx");
  CBrenquilDoc doc(context.env);
  if (int result = openCompany(context.args[0], doc)) return result;
  std::optional<fs::path> site_folder = joinInside(context.env.home(), doc.m_strCompanyName);
  if (!site_folder) return failure("The company name cannot name a folder.");
  SalesLogSettings settings = SalesLogSettings::fromPreferences(
      *doc.m_pFtp, orderServerHost(context.env.settings()), *site_folder);
  switch (downloadSalesLogs(settings, context.env)) {
    case SalesLogOutcome::kAppended:
      return reportChange(context, "Appended the new sales log entries to the .csv files in " +
                                       site_folder->string() + ".");
    case SalesLogOutcome::kNothingNew:
      return reportChange(context, kNoNewSalesLogEntries);
    case SalesLogOutcome::kFailed:
      break;
  }
  return kExitFailure;
}

}  // namespace

void addPublishCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"publish", "FILE.qvx [--all] [--list] [--dry-run] [--connections N]",
       "Upload a company's site to its servers.",
       "Builds the site first (as `build` does), then sends the files that changed since\n"
       "their last upload: the order-processing files to the order server, the rest to\n"
       "the web server of the server preferences; files the site no longer has are\n"
       "deleted there. --all sends every file again. A failed upload asks whether to go\n"
       "on (--yes, --no). The document is saved afterwards, with what was uploaded.\n"
       "Prints how many files were uploaded, deleted, left unchanged and failed;\n"
       "--list names them. --dry-run builds the site, logs in to both servers and lists\n"
       "what would be uploaded and deleted, and the files recorded as uploaded that the\n"
       "server lacks or holds with another size; it changes nothing on the servers.\n"
       "The order server is $QUORVEX_ORDER_SERVER, else the settings' [Order Server] Host\n"
       "(set it with `set DOC server.orderServer=HOST` or in Server Preferences).\n"
       "--connections N (1 to 8, default 4) is the most connections a large upload\n"
       "opens to each server.\n",
       runPublish});
  commands.push_back(
      {"fetch-logs", "FILE.qvx", "Append the new sales logs to the company's .csv files.",
       "Fetches the entries the order server logged since the last download and appends\n"
       "them to header.csv, items.csv, payment.csv and misc.csv in the site folder.\n"
       "Prints what it appended, or that there was nothing new (both exit with 0;\n"
       "--quiet prints neither).\n",
       runFetchLogs});
}

}  // namespace quorvex::cli
