#include "app/document_lifecycle.h"

#include <system_error>

#include "app/clock.h"
#include "app/company_name.h"
#include "app/dialog_host.h"
#include "company/brenquil_doc.h"
#include "platform/atomic_file.h"
#include "platform/env.h"
#include "platform/regular_file.h"
#include "platform/strings.h"
#include "products/product_text.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {
// A rename journal holds one path.
constexpr size_t kMaxJournalBytes = 64 << 10;
}  // namespace

DocumentLifecycle::DocumentLifecycle(CBrenquilDoc& doc, const Env& env, DialogHost& host,
                                     const Clock& clock)
    : doc_(doc),
      env_(env),
      host_(host),
      clock_(clock),
      recentFiles_(env.settings()),
      path_(doc.path()) {
  doc_.m_strSaveDir = env_.home().string();
}

const std::string& DocumentLifecycle::title() const { return doc_.title(); }

bool DocumentLifecycle::saveModified() {
  if (!modified_) return true;
  switch (host_.askSaveChanges(doc_.title())) {
    case SaveChangesAnswer::kYes: return save();
    case SaveChangesAnswer::kNo: return true;
    case SaveChangesAnswer::kCancel: return false;
  }
  return false;
}

bool DocumentLifecycle::newDocument() {
  if (!saveModified()) return false;
  doc_.makeNewRecords();
  doc_.setTitle(CBrenquilDoc::kNewTitle);
  path_.clear();
  modified_ = false;
  return true;
}

bool DocumentLifecycle::openWithDialog() {
  if (!saveModified()) return false;
  FileDialogRequest request;
  request.folder = doc_.m_strSaveDir;
  request.filters = {{kFilterLabel, "*.qvx"}};
  request.defaultExtension = kExtension;
  std::optional<fs::path> file = host_.chooseFile(request);
  return file && open(fs::path(doc_.m_strSaveDir) / *file);
}

bool DocumentLifecycle::openFile(const fs::path& file) { return saveModified() && open(file); }

bool DocumentLifecycle::open(const fs::path& file) {
  modified_ = false;
  Status status = doc_.open(file);
  if (!status.ok()) {
    path_.clear();
    env_.prompter().showMessage(status.message(), PromptIcon::kWarning);
    return false;
  }
  std::error_code error;
  fs::path absolute = fs::absolute(file, error);
  path_ = error ? file : absolute.lexically_normal();
  recentFiles_.add(path_);
  return true;
}

bool DocumentLifecycle::save() {
  if (path_.empty()) return saveAs();
  return writeTo(path_);
}

bool DocumentLifecycle::saveAs() {
  FileDialogRequest request;
  request.save = true;
  request.folder = doc_.m_strSaveDir;
  request.fileName = path_.empty() ? doc_.title() + kExtension : path_.filename().string();
  request.filters = {{kFilterLabel, "*.qvx"}};
  request.defaultExtension = kExtension;
  request.confirmOverwrite = true;
  std::optional<fs::path> file = host_.chooseFile(request);
  return file && writeTo(fs::path(doc_.m_strSaveDir) / *file);
}

bool DocumentLifecycle::writeTo(const fs::path& file) {
  Status status = doc_.save(file);
  if (!status.ok()) {
    env_.prompter().showMessage(status.message(), PromptIcon::kWarning);
    return false;
  }
  path_ = file;
  recentFiles_.add(file);
  modified_ = false;
  return true;
}

bool DocumentLifecycle::renameAndSave(const std::string& typed) {
  const std::string name(trim(typed));
  const fs::path& home = env_.home();
  const fs::path journal = home / ("." + name + ".rename");
  std::string journalled;
  const bool resuming = readRegularFile(journal, kMaxJournalBytes, &journalled).ok() &&
                        journalled == path_.string();
  Status status = checkCompanyName(typed);
  if (status.ok() && !resuming) status = checkCompanyNameFree(name, home, doc_.title(), path_);
  const fs::path oldPath = path_;
  const std::string oldTitle = doc_.title();
  if (status.ok() && oldTitle != name) status = replaceFileAtomically(journal, oldPath.string());
  if (!status.ok()) {
    env_.prompter().showMessage(status.message(), PromptIcon::kWarning);
    return false;
  }
  if (oldTitle != name) status = moveSiteFolder(home, oldTitle, name);
  if (!status.ok()) {
    std::error_code error;
    // Nothing was renamed: a journal left behind would let a later rename
    // skip the check that the name is free.
    if (!fs::remove(journal, error) && error) {
      status = status.prefixed("The journal \"" + journal.string() +
                               "\" could not be removed: " + error.message() + "\n");
    }
    env_.prompter().showMessage(status.message(), PromptIcon::kWarning);
    return false;
  }
  doc_.m_strCompanyName = name;
  doc_.m_pExtraFields->companyName = name;
  applyCompanyName(doc_, home, name, clock_.currentYear());
  if (oldTitle == name) return writeTo(path_);
  // Until the document is written under its new name, the journal lets the
  // same rename, run again on the old document, finish what was begun.
  if (!writeTo(home / (name + kExtension))) return false;
  for (const fs::path& leftover : {oldPath, journal}) {
    std::error_code error;
    if (leftover.empty() || leftover == path_ || fs::remove(leftover, error) || !error) continue;
    env_.prompter().showMessage("The company was renamed, but \"" + leftover.string() +
                                    "\" could not be removed: " + error.message(),
                                PromptIcon::kWarning);
  }
  return true;
}

void DocumentLifecycle::renameCompany(const std::string& typed) {
  const std::string name(trim(typed));
  doc_.m_strCompanyName = name;
  doc_.m_pExtraFields->companyName = name;
  Status status = quorvex::renameCompany(doc_, path_, env_.home(), name, clock_.currentYear());
  if (!status.ok()) env_.prompter().showMessage(status.message(), PromptIcon::kWarning);
}

}  // namespace quorvex
