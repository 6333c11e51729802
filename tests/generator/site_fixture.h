#ifndef QUORVEX_TESTS_GENERATOR_SITE_FIXTURE_H_
#define QUORVEX_TESTS_GENERATOR_SITE_FIXTURE_H_

#include <filesystem>
#include <gtest/gtest.h>
#include <mutex>
#include <string>
#include <vector>

#include "company/brenquil_doc.h"
#include "generator/save_site_run.h"
#include "imaging/image_format.h"
#include "platform/env.h"
#include "platform/prompter.h"
#include "platform/worker_status.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

// A prompter that records each message with the progress text shown at that
// moment, answers questions No, and can request a stop of the run when a
// message containing a given text appears.
class RecordingPrompter : public Prompter {
 public:
  struct Shown {
    std::string text;
    std::string progress;
    PromptIcon icon;
  };

  void watch(WorkerStatus* status) { status_ = status; }
  void stopOn(std::string text) { stopOn_ = std::move(text); }

  void showMessage(const std::string& text, PromptIcon icon) override;
  bool askYesNo(const std::string& text) override;

  std::vector<Shown> shown() const;
  std::vector<std::string> texts() const;

 private:
  mutable std::mutex mutex_;
  WorkerStatus* status_ = nullptr;
  std::string stopOn_;
  std::vector<Shown> shown_;
};

// A program folder with a site template "Basic commerce web site", a style
// "Plain" and small templates in "Template Common" that show the fields the
// tests look at (each starts with the marker $[quorvex_version], so no page
// header is inserted), and a document of the company "Acme" using them.
class SiteFixture : public ::testing::Test {
 protected:
  // What $[quorvex_version] expands to in the fixture's builds.
  static constexpr char kVersionMeta[] =
      "<META name=\"GENERATOR\" content=\"Quorvex Version 9.9\">";

  SiteFixture();

  // Runs the save-site run on this thread; returns how it ended.
  WorkerState build(SaveSiteOptions options = {});

  // Writes PriceList.txt of the company: the header line, then `rows`
  // (17 comma-separated columns each).
  void writePriceList(const std::vector<std::string>& rows) const;
  // Writes a 24-bit picture of width × height below the program folder in the
  // format of its extension.
  void writePicture(const std::string& relative, int width, int height) const;
  // Writes a file below the program folder.
  void writeFile(const std::string& relative, std::string_view content) const;

  // The content of a file in the site folder ("" when missing).
  std::string siteFile(const std::string& name) const;
  bool siteHas(const std::string& name) const;
  // The size of a picture in the images folder.
  std::pair<int, int> imageSizeOf(const std::string& name) const;
  // The entries of a list as "remoteFolder/remoteName", in list order.
  static std::vector<std::string> entries(const CFileList& list);
  // The value `field` had in the expansion of a test page: the text after
  // "field=" up to the next "|".
  static std::string fieldIn(const std::string& page, const std::string& field);

  std::filesystem::path site() const { return home_.path() / "Acme"; }

  TempDir home_;
  RecordingPrompter prompter_;
  Env env_;
  CBrenquilDoc doc_;
  WorkerStatus status_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_GENERATOR_SITE_FIXTURE_H_
