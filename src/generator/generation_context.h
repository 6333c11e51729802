#ifndef QUORVEX_GENERATOR_GENERATION_CONTEXT_H_
#define QUORVEX_GENERATOR_GENERATION_CONTEXT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "generator/field_table.h"
#include "generator/output_writer.h"
#include "generator/picture_sizes.h"
#include "generator/site_folders.h"
#include "generator/template_expander.h"
#include "generator/template_loader.h"
#include "publish/file_list_index.h"

namespace quorvex {

class CBrenquilDoc;
class Env;
class Prompter;
class WorkerStatus;

// The published-file list(s) a file is entered in: the web file list (the
// user's own web server), the order-server file list, or both.
enum class FileLists { kWeb, kOrderServer, kBoth };

// The state one save-site run shares between its parts: the document, the
// platform services, the status block the front end polls, the field table
// with the template loader, expander and writer that work on it, the site
// folders, and the counters and flags the data parts fill in.
//
// Lives on the worker thread for one run. The document, environment and
// status block must outlive it. Not copyable.
class GenerationContext {
 public:
  // `version` is the program version written into the page headers.
  GenerationContext(CBrenquilDoc& document, const Env& environment, WorkerStatus& workerStatus,
                    std::string programVersion);
  GenerationContext(const GenerationContext&) = delete;
  GenerationContext& operator=(const GenerationContext&) = delete;

  CBrenquilDoc& doc;
  const Env& env;
  WorkerStatus& status;
  const std::string version;
  FieldTable fields;
  TemplateLoader loader;
  TemplateExpander expander;
  OutputWriter writer;
  SiteFolders folders;

  // Filled while the site-wide fields are set.
  int32_t featuredCount = 0;
  int32_t downloadCount = 0;
  bool downloadsOnWebServer = false;
  bool downloadsOnOrderServer = false;
  // The shop template predates the display styles (see SaveSiteRun).
  bool oldStyleShop = false;
  // The names of the pictures this run has written into the images folder
  // that are made once per run however often they are asked for (reduced
  // product pictures, link buttons). A name on it is not written again.
  std::unordered_set<std::string> producedImages;
  // The sizes of the pictures the pages show, each read once.
  PictureSizes pictureSizes;

  Prompter& prompter() const;

  // Starts the run's use of the published-file lists: marks every entry
  // unused, hands the writer the CRC-32 recorded for each file when it was
  // last produced (so that a file whose content does not change is not
  // written again) and builds the lookups enterFile finds entries with.
  // Until the run ends, the lists change only through enterFile.
  void startFileLists();

  // Shows `text` as the run's progress.
  void setProgress(std::string text) const;

  // Expands `text` (`messageName` names it in messages), writes it into the
  // site folder as `outputName` and enters it in `lists` as a text file made
  // from `source` (a stored path; "" when there is none).
  void writeExpandedPage(const std::string& text, const std::string& source,
                         const std::string& outputName, std::string_view messageName,
                         FileLists lists);

  // Enters a produced file in the published-file list(s) `lists`, with
  // inUse 1 and the given transfer mode and add-on placement (CFileList's
  // addFile). Paths are stored forms (SiteFolders).
  // A file the writer has written or compared in this run is entered with
  // the CRC-32 the writer computed; any other file is read for it.
  void enterFile(FileLists lists, const std::string& source, const std::string& local,
                 const std::string& remoteName, const std::string& remoteFolder,
                 int32_t binaryTransfer, int32_t rootOnAddOn);

 private:
  // Lookups into the web and order-server file lists, set by startFileLists.
  std::optional<FileListIndex> webFiles_;
  std::optional<FileListIndex> orderServerFiles_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_GENERATION_CONTEXT_H_
