#ifndef QUORVEX_GENERATOR_SAVE_SITE_RUN_H_
#define QUORVEX_GENERATOR_SAVE_SITE_RUN_H_

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "generator/add_on_site.h"
#include "generator/category_links.h"
#include "generator/generation_context.h"
#include "generator/image_placer.h"
#include "generator/link_buttons.h"
#include "generator/page_content_fields.h"
#include "generator/page_links.h"
#include "generator/product_data.h"
#include "generator/shop_page_fields.h"
#include "platform/worker_status.h"

namespace quorvex {

class CBrenquilDoc;
class CFullPage;
class CPage;
class CProdHalfPages;
class Env;

// How a save-site run is to be done, beyond the document.
struct SaveSiteOptions {
  // Open the index page in the browser when the run has finished.
  bool viewAfterSaving = false;
  // The program version written into the page headers.
  std::string version;
  // Asks where the existing site of an add-on site is; null when there is
  // no front end to ask (the run is then cancelled when it must ask).
  IndexLocationDialog* locationDialog = nullptr;
  // Opens a file in the desktop's browser; may be empty.
  std::function<void(const std::filesystem::path&)> openInBrowser;
};

// "Save Web Site Locally": generates the whole site of a company document
// into its site folder and brings both published-file lists up to date.
//
// In order: the site and style templates are loaded; the product rows are
// read again and sorted; the fixed pictures and the style's pictures are
// copied; the field table is filled with the site-wide values and shop.html
// written; then the index page, the style folder's extra files,
// jserror.html, every page of the page list, and, with a product page,
// products.txt, the product sub-pages, the individual product pages,
// view.html, shipto.html, error.html, the order texts and terms.html. Every
// file written is entered in the web or the order-server file list; at the
// end the entries of files no longer produced are dropped (with their
// local files). The progress text tells what is being done.
//
// Template, picture and file problems are shown through the prompter and
// the run goes on. The run ends by writing the status block's state once:
// finished; failed, with the error text; or stopped, when a stop was
// requested before one of its stop points. Files written before a stop or a
// failure stay and the lists are not trimmed then (the next run does it).
// The product rows are released at every end.
//
// Runs on the thread that calls run(). While it runs, nothing else may touch
// the document, the template folders or the site folder. The document, the
// environment and the status block must outlive the run.
class SaveSiteRun {
 public:
  SaveSiteRun(CBrenquilDoc& doc, const Env& env, WorkerStatus& status, SaveSiteOptions options);
  SaveSiteRun(const SaveSiteRun&) = delete;
  SaveSiteRun& operator=(const SaveSiteRun&) = delete;

  // Runs the whole save-site run and leaves its end in the status block.
  // Call once per object.
  void run();

  // The index page of the site, once the run has got past the set-up of the
  // site folder; empty before.
  std::filesystem::path indexPage() const;

 private:
  // Each step returns false when the run ends there (end_ says how).
  bool initialize();
  bool loadTemplates();
  [[nodiscard]] bool setUpSiteFolder();
  bool loadProducts();
  [[nodiscard]] bool copyFixedImages();
  bool placeStyleImages();
  [[nodiscard]] bool writeShop();
  bool writeIndex();
  [[nodiscard]] bool writeStyleFiles();
  // Copies the pages' stylesheet, when the templates have one, into the site
  // folder and enters it in both file lists; a file error is shown and the
  // run goes on.
  void copyStylesheet();
  bool writePages();
  [[nodiscard]] bool writeProductPages();
  bool writeShopPages();
  void trimFileLists();

  // A stop point: true to go on; false, ending the run as stopped, when a
  // stop was requested.
  bool goOn();
  // Ends the run as failed with `text` as its error text; returns false.
  bool fail(std::string text);

  // Loads template `name` of `kind`, sets thisPage to `outputName`, expands
  // it (`messageName` names it in messages), writes it into the site folder
  // as `outputName` and enters it in `lists`.
  void generate(std::string_view name, std::string_view kind, const std::string& outputName,
                std::string_view messageName, FileLists lists);
  // The stored form of a template's path; "" for none.
  std::string storedSource(const std::filesystem::path& source) const;
  void writePage(CPage& page);
  void writeSubPage(const CProdHalfPages& page, std::string_view kind);

  // The entries of the style folder (or its Images folder) that are plain
  // visible files, sorted by name.
  std::vector<std::filesystem::path> styleFiles(const std::filesystem::path& folder) const;

  GenerationContext context_;
  SaveSiteOptions options_;
  ImagePlacer images_;
  LinkButtons linkButtons_;
  PageLinks pageLinks_;
  CategoryLinks categoryLinks_;
  PageContentFields pageFields_;
  ProductData products_;
  ShopPageFields shopFields_;
  WorkerState end_ = WorkerState::kFinished;
  // The folder and file name of the index page (stored forms).
  std::string indexFolder_;
  std::string indexName_;
  bool addOnSite_ = false;
  // The product page of the page list written last; null without one.
  CPage* productPage_ = nullptr;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SAVE_SITE_RUN_H_
