#ifndef QUORVEX_APP_DOCUMENT_LIFECYCLE_H_
#define QUORVEX_APP_DOCUMENT_LIFECYCLE_H_

#include <filesystem>
#include <string>

#include "app/recent_files.h"

namespace quorvex {

class CBrenquilDoc;
class Clock;
class DialogHost;
class Env;

// How the one open company document comes into being, is saved and is tied
// to its file: New, Open, Save, Save As, the company renamed, the modified
// flag, the document's path and the recent-file list.
//
// The document, the Env, the host and the clock must outlive the lifecycle.
// Messages go through the Env's Prompter.
class DocumentLifecycle {
 public:
  // The file dialog filter of company documents and its extension.
  static constexpr const char* kFilterLabel = "Quorvex Files (*.qvx)";
  static constexpr const char* kExtension = ".qvx";

  // Takes the program folder as the document's working folder.
  DocumentLifecycle(CBrenquilDoc& doc, const Env& env, DialogHost& host, const Clock& clock);
  DocumentLifecycle(const DocumentLifecycle&) = delete;
  DocumentLifecycle& operator=(const DocumentLifecycle&) = delete;

  CBrenquilDoc& document() const { return doc_; }
  const Env& env() const { return env_; }
  DialogHost& host() const { return host_; }
  RecentFiles& recentFiles() { return recentFiles_; }

  // The file the document belongs to; empty for a document that has none
  // yet. Once the company is named it is <home>/<company name>.qvx, which
  // need not have been written yet.
  const std::filesystem::path& path() const { return path_; }
  const std::string& title() const;

  bool modified() const { return modified_; }
  void setModified(bool modified) { modified_ = modified; }

  // Before the document is closed (New, Open, Exit): when it is modified,
  // asks whether to save it. Returns false when the user cancelled or the
  // save did not happen; true when the caller may go on.
  [[nodiscard]] bool saveModified();

  // New: after saveModified, every record made afresh, no company name, no
  // path, title "New Company", not modified. Returns false when cancelled.
  [[nodiscard]] bool newDocument();

  // Open with a file dialog in the working folder, after saveModified.
  // Returns true when a document was opened.
  [[nodiscard]] bool openWithDialog();

  // Opens `file` after saveModified (a recent-file entry, a file named on
  // the command line). Returns true when it was opened.
  [[nodiscard]] bool openFile(const std::filesystem::path& file);

  // The open itself, without the save question: reads `file`; on success it
  // becomes the path, the title follows the company name, the file goes to
  // the top of the recent files and a style that asks to be re-applied is
  // applied to every page. On failure the reason is shown and the document
  // is a new, untitled one. The modified flag is cleared either way.
  [[nodiscard]] bool open(const std::filesystem::path& file);

  // Save: writes the document to its path, or asks for one as Save As does
  // when it has none. On success the file goes to the recent files and the
  // modified flag is cleared; a failure is shown and the flag stays.
  [[nodiscard]] bool save();

  // Save As: asks for a file in the working folder and writes the document
  // there, as save() does.
  [[nodiscard]] bool saveAs();

  // The company renamed to `typed`: the name trimmed of white space becomes
  // the company name of the document and of its product table, then the
  // folders, path and texts follow it (renameCompany).
  void renameCompany(const std::string& typed);

  // The company of a saved document renamed to `typed` (trimmed) and saved,
  // in an order an interruption cannot break: a journal beside the documents
  // names the old file; the site folder is renamed; the document is written
  // under its new name while the old file stays; the old file and the
  // journal are removed. Running the same rename again on the old document
  // after an interruption finishes it (the journal lets it take the moved
  // folder and the half-made new document as its own). Returns false after
  // showing why when the name is not valid, another company bears it or the
  // site folder cannot be moved (changing nothing), or after a failed save
  // has been shown (the journal stays for the rerun). A leftover old file or
  // journal that cannot be removed is shown; the rename stays done.
  bool renameAndSave(const std::string& typed);

 private:
  [[nodiscard]] bool writeTo(const std::filesystem::path& file);

  CBrenquilDoc& doc_;
  const Env& env_;
  DialogHost& host_;
  const Clock& clock_;
  RecentFiles recentFiles_;
  std::filesystem::path path_;
  bool modified_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_DOCUMENT_LIFECYCLE_H_
