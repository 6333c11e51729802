#ifndef QUORVEX_APP_START_UP_H_
#define QUORVEX_APP_START_UP_H_

#include <filesystem>
#include <optional>

namespace quorvex {

class Clock;
class DocumentLifecycle;
class PublishedVersionSource;

// The start-up steps that concern the document: the command line, then,
// once the main window is shown, the sample company on the first start for
// this user or, on later starts, the update check and the reopening of the
// last document.
class StartUp {
 public:
  // The per-user setting that marks the first start: section and key; 1 (or
  // absent) until the first start has been handled.
  static constexpr const char* kSection = "Settings";
  static constexpr const char* kFirstRunKey = "First Run";

  // Returns the sample company installed with the program:
  // <installed data>/Sample/acme.qvx.
  static std::filesystem::path defaultSamplePath();

  // `versions` may be null (no update check). Everything must outlive this
  // object.
  StartUp(DocumentLifecycle& lifecycle, const Clock& clock, PublishedVersionSource* versions);

  // Carries out the command line: opens `file` when one was named, else
  // leaves the new document. Returns false when the named file could not be
  // opened, in which case the program ends.
  [[nodiscard]] bool openCommandLine(const std::optional<std::filesystem::path>& file);

  // On the first start: when `sample` exists, offers it and on Yes opens its
  // copy in the home (installSample);
  // on No continues as on a later start but without the update check; a
  // missing sample opens nothing. The first-start flag is cleared in every
  // case. On later starts: the update check, then, unless a file was named
  // on the command line, the document of the first recent-file entry (an
  // empty entry leaves the new document).
  void offerSampleOrReopen(const std::filesystem::path& sample, bool fileOnCommandLine);

 private:
  // Copies the sample document to <home>/<company>.qvx and its company
  // folder (the product file) to <home>/<company>, each unless the home
  // already has it, so that the sample's site is built where the program
  // looks for it and saving it changes no installed file. Returns the copy,
  // or `sample` itself when it lies in the home or cannot be read or copied
  // (a failed copy is reported).
  std::filesystem::path installSample(const std::filesystem::path& sample);
  void reopenLast(bool fileOnCommandLine);

  DocumentLifecycle& lifecycle_;
  const Clock& clock_;
  PublishedVersionSource* versions_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_START_UP_H_
