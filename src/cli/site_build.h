#ifndef QUORVEX_CLI_SITE_BUILD_H_
#define QUORVEX_CLI_SITE_BUILD_H_

#include <filesystem>
#include <string>

#include "cli/progress_line.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex::cli {

// The exit status of a build stopped with Ctrl-C, as shells report an
// interrupted command.
constexpr int kExitStopped = 130;

// A company document opened to have its site built from the command line.
// The run's messages and its progress go to stderr through a progress line.
// Used by `build` and by `publish`, which builds before it uploads.
class SiteBuild {
 public:
  // `env` must outlive this object.
  explicit SiteBuild(const Env& env);
  SiteBuild(const SiteBuild&) = delete;
  SiteBuild& operator=(const SiteBuild&) = delete;

  // Opens the document `file` and checks that its site can be built (a
  // company name, pages, a product database for a product page). Returns
  // kExitSuccess, or kExitFailure after printing why not.
  int open(const std::string& file);

  // Runs the save-site run on a worker thread, Ctrl-C requesting a stop at
  // its next stop point. After a success the document (whose published-file lists
  // changed) is saved. Returns kExitSuccess, kExitStopped, or kExitFailure
  // after printing the run's error text.
  int build();

  CBrenquilDoc& doc() { return doc_; }
  // The services with the progress line as prompter.
  const Env& env() const { return env_; }
  // The index page of the built site; empty before a build got that far.
  const std::filesystem::path& indexPage() const { return indexPage_; }

 private:
  ProgressLine progress_;
  Env env_;
  CBrenquilDoc doc_;
  std::filesystem::path indexPage_;
};

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_SITE_BUILD_H_
