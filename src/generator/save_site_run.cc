#include "generator/save_site_run.h"

#include <algorithm>

#include "company/brenquil_doc.h"
#include "generator/file_copy.h"
#include "generator/file_error.h"
#include "generator/order_catalogue_file.h"
#include "generator/product_template.h"
#include "generator/reserved_names.h"
#include "generator/text_helpers.h"
#include "platform/env.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "products/product_text.h"
#include "site/full_page.h"
#include "site/product_page.h"
#include "site/site_template_folder.h"
#include "site/style_template_folder.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kIndexName[] = "index.html";
constexpr char kLocalIndexName[] = "QvxIndex.html";
constexpr char kAddOnSiteFolder[] = "Quorvex\\";
// The stylesheet that every page links to, copied from Template Common.
constexpr char kStylesheetName[] = "site.css";

// A shop template of the current kind hands this argument list to the
// display style's script; older ones do not.
constexpr char kNewStyleShopMarker[] = "featuredItem,vendor,moreInfo,selectedInfo";

// The template kind of a page of the page list ("" for a type without one).
const char* pageKind(int32_t type) {
  switch (type) {
    case kHomePageType:
      return "HomePage";
    case kContactPageType:
      return "ContactPage";
    case kInfoPageType:
      return "InfoPage";
    case kProductPageType:
      return "ProductPage";
    case kIndProdPageType:
      return "IndividualProdPage";
    case kThankYouPageType:
      return "ThankYouPage";
    case kOrderFormPageType:
      return "OrderPage";
    case kCouponPageType:
      return "CouponPage";
    case kDownloadPageType:
      return "DownloadPage";
    case kArticlesPageType:
      return "ArticlesPage";
    case kNewspaperPageType:
      return "NewspaperPage";
    case kMagazinePageType:
      return "MagazinePage";
    case kSpecCategoryPageType:
      return "SpecCategoryPage";
    default:
      return "";
  }
}

// The name the order-server pages are published under, or null for a page
// of the user's own server.
const char* orderServerPageName(int32_t type) {
  switch (type) {
    case kThankYouPageType:
      return "thankyou.html";
    case kOrderFormPageType:
      return "order.html";
    case kDownloadPageType:
      return "download.html";
    default:
      return nullptr;
  }
}

// A template file name without its extension.
std::string templateBase(const std::string& templateFile) {
  size_t dot = templateFile.rfind('.');
  size_t separator = templateFile.find_last_of("\\/");
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) {
    return templateFile;
  }
  return templateFile.substr(0, dot);
}

bool isVisibleFile(const fs::directory_entry& entry) {
  std::error_code ec;
  return entry.is_regular_file(ec) && !entry.path().filename().string().starts_with(".");
}

}  // namespace

SaveSiteRun::SaveSiteRun(CBrenquilDoc& doc, const Env& env, WorkerStatus& status,
                         SaveSiteOptions options)
    : context_(doc, env, status, options.version),
      options_(std::move(options)),
      images_(context_),
      linkButtons_(context_),
      pageLinks_(context_, linkButtons_),
      categoryLinks_(context_, linkButtons_),
      pageFields_(context_, images_, pageLinks_),
      products_(context_, images_),
      shopFields_(context_, images_, pageFields_, pageLinks_, categoryLinks_, products_) {}

bool SaveSiteRun::goOn() {
  if (!context_.status.stopRequested()) return true;
  end_ = WorkerState::kStopped;
  return false;
}

bool SaveSiteRun::fail(std::string text) {
  context_.status.setErrorText(std::move(text));
  end_ = WorkerState::kFailed;
  return false;
}

void SaveSiteRun::run() {
  if (initialize() && loadTemplates() && setUpSiteFolder() && loadProducts() && copyFixedImages() &&
      placeStyleImages() && writeShop() && writeIndex() && writeStyleFiles() && writePages() &&
      writeProductPages()) {
    trimFileLists();
    context_.setProgress("Done.");
    end_ = WorkerState::kFinished;
  }
  context_.doc.m_pExtraFields->clearRows();
  context_.status.setState(end_);
}

fs::path SaveSiteRun::indexPage() const {
  if (indexName_.empty()) return {};
  return context_.folders.native(indexFolder_ + indexName_);
}

bool SaveSiteRun::initialize() {
  CBrenquilDoc& doc = context_.doc;
  context_.fields.clear();
  context_.featuredCount = 0;
  context_.downloadCount = 0;
  context_.downloadsOnWebServer = false;
  context_.downloadsOnOrderServer = false;
  if (!joinInside(context_.env.home(), doc.m_strCompanyName)) {
    return fail("The company name cannot name a folder.");
  }
  context_.folders = SiteFolders(context_.env.home(), doc.m_strCompanyName + "\\",
                                 doc.m_strImagesDir, doc.m_strImagesUrl);
  if (!goOn()) return false;
  context_.setProgress("Initializing...");
  SiteTemplateFolder(context_.env, *doc.m_pSiteTemplate).scan();
  context_.startFileLists();
  return true;
}

bool SaveSiteRun::loadTemplates() {
  if (!goOn()) return false;
  context_.setProgress("Loading site template...");
  CBrenquilDoc& doc = context_.doc;
  CSiteTemplate& site = *doc.m_pSiteTemplate;
  SiteTemplateFolder siteTemplates(context_.env, site);
  siteTemplates.scan();
  if (site.currentIndex < 0 ||
      static_cast<size_t>(site.currentIndex) >= site.templateNames.size()) {
    return fail(
        "TEMPLATE ERROR: Could not find your Site Template.  Please reselect one and try again.");
  }
  if (!goOn()) return false;
  const int32_t index = site.find(site.currentName);
  if (index < 0) {
    return fail("TEMPLATE ERROR: Could not find Site Template \"" + site.currentName + "\"");
  }
  siteTemplates.select(index);
  StyleTemplateFolder styles(context_.env, *doc.m_pTemplate);
  if (!styles.scan() || !styles.load(doc.m_pTemplate->currentIndex)) {
    return fail(
        "TEMPLATE ERROR: Could not find your Style Template.  Please reselect one and try "
        "again.");
  }
  context_.loader.setStyleFolder(nativePath(doc.m_pTemplate->templatePath));
  return goOn();
}

bool SaveSiteRun::setUpSiteFolder() {
  CBrenquilDoc& doc = context_.doc;
  CSiteTemplate& site = *doc.m_pSiteTemplate;
  addOnSite_ = site.isAddOn();
  if (!addOnSite_) {
    site.clearAddOnState();
    indexFolder_ = context_.folders.siteFolder();
    indexName_ = kIndexName;
    return true;
  }
  context_.setProgress("Setting up add-on site...");
  SiteTemplateFolder siteTemplates(context_.env, site);
  AddOnSiteSetup setup(context_.env.home(), site, context_.prompter(), options_.locationDialog,
                       [&siteTemplates] { return siteTemplates.indexHasMarker(); });
  if (!setup.run()) return fail("Saving your site has been cancelled.");
  context_.folders = SiteFolders(context_.env.home(), site.existingSiteFolder + kAddOnSiteFolder,
                                 doc.m_strImagesDir, doc.m_strImagesUrl);
  indexFolder_ = site.existingSiteFolder;
  indexName_ = site.existingIndexName;
  return true;
}

bool SaveSiteRun::loadProducts() {
  if (!goOn()) return false;
  context_.setProgress("Verifying product list...");
  CBrenquilDoc& doc = context_.doc;
  CExtraFields& table = *doc.m_pExtraFields;
  table.companyName = doc.m_strCompanyName;
  table.clearRows();
  if (doc.m_pPageData->hasProductPage() && !table.loadRows(context_.env).ok()) {
    return fail("Could not load product database.");
  }
  if (table.sortEnabled == 1) {
    context_.setProgress("Sorting product list...");
    table.sortRows();
  }
  return true;
}

bool SaveSiteRun::copyFixedImages() {
  if (!goOn()) return false;
  const SiteFolders& folders = context_.folders;
  std::error_code ec;
  fs::create_directories(folders.native(folders.imagesFolder()), ec);
  context_.setProgress("Copying images...");
  struct FixedImage {
    const char* name;
    bool inImagesFolder;
    FileLists lists;
  };
  static constexpr FixedImage kFixedImages[] = {
      {"spacerb.gif", true, FileLists::kBoth},
      {"spacerg.gif", true, FileLists::kBoth},
      {"spacerw.gif", true, FileLists::kBoth},
      {"nada.gif", true, FileLists::kBoth},
      {"VeriSignSeal.gif", true, FileLists::kOrderServer},
      {"favicon.ico", false, FileLists::kWeb},
  };
  for (const FixedImage& image : kFixedImages) {
    const std::string source = std::string(kTemplateImagesFolder) + "\\Other\\" + image.name;
    const std::string local =
        image.inImagesFolder ? folders.imagesFile(image.name) : folders.siteFile(image.name);
    // A fixed picture the installation lacks is left out without a message.
    if (copyFile(folders.native(source), folders.native(local), true)) continue;
    context_.enterFile(image.lists, source, local, image.name,
                       image.inImagesFolder ? folders.imagesRemoteFolder() : "", 1, 0);
  }
  return true;
}

std::vector<fs::path> SaveSiteRun::styleFiles(const fs::path& folder) const {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
    if (isVisibleFile(entry)) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool SaveSiteRun::placeStyleImages() {
  if (!goOn()) return false;
  const std::string& styleFolder = context_.doc.m_pTemplate->templatePath;
  const std::string imagesFolder =
      styleFolder.empty() || styleFolder.ends_with('\\') || styleFolder.ends_with('/')
          ? styleFolder + "Images\\"
          : styleFolder + "\\Images\\";
  const fs::path folder = context_.folders.native(imagesFolder);
  for (const fs::path& file : styleFiles(folder)) {
    const std::string source = imagesFolder + file.filename().string();
    const std::string placed = images_.placeImage(source, file.filename().string());
    context_.enterFile(FileLists::kWeb, source, context_.folders.imagesFile(placed), placed,
                       context_.folders.imagesRemoteFolder(), 1, 0);
  }
  return true;
}

std::string SaveSiteRun::storedSource(const fs::path& source) const {
  return source.empty() ? "" : context_.folders.stored(source);
}

void SaveSiteRun::generate(std::string_view name, std::string_view kind,
                           const std::string& outputName, std::string_view messageName,
                           FileLists lists) {
  std::string text;
  fs::path source = context_.loader.loadTemplate(name, text, kind);
  context_.fields.set("thisPage", outputName);
  context_.writeExpandedPage(text, storedSource(source), outputName, messageName, lists);
}

bool SaveSiteRun::writeShop() {
  context_.setProgress("Loading JavaScript...");
  std::string shop;
  fs::path source = context_.loader.loadTemplate("shop", shop, "shop");
  context_.oldStyleShop = shop.find(kNewStyleShopMarker) == std::string::npos;
  context_.setProgress("Loading company information...");
  shopFields_.fill(addOnSite_);
  if (!goOn()) return false;
  context_.setProgress("Writing JavaScript...");
  context_.writeExpandedPage(shop, storedSource(source), "shop.html", "shop.html", FileLists::kWeb);
  // The pages that follow list products through the listing template.
  if (!context_.oldStyleShop) setProductTemplate(context_);
  return true;
}

bool SaveSiteRun::writeIndex() {
  context_.setProgress("Writing index page...");
  CBrenquilDoc& doc = context_.doc;
  const SiteFolders& folders = context_.folders;
  std::string text;
  fs::path source = context_.loader.loadTemplate("index", text, "index");
  const std::string stored = storedSource(source);
  context_.fields.set("base_href", "");
  const std::string localCopy = context_.expander.expand(text, "", kIndexName);
  const std::string& baseHref = doc.m_pFtp->baseHref;
  if (!baseHref.empty()) {
    context_.fields.set("base_href", "<head>\n<base href=\"" + baseHref + "\">");
  }
  if (addOnSite_) {
    const CSiteTemplate& site = *doc.m_pSiteTemplate;
    context_.enterFile(FileLists::kWeb, stored, site.existingSiteFolder + site.oldIndexName,
                       site.oldIndexName, "", 0, 1);
  }
  if (!goOn()) return false;
  context_.fields.set("thisPage", indexName_);
  const fs::path folder = folders.native(indexFolder_);
  context_.writer.write(folder, indexName_, context_.expander.expand(text, "", kIndexName));
  context_.enterFile(FileLists::kWeb, stored, indexFolder_ + indexName_, indexName_, "", 0, 1);
  if (!baseHref.empty()) context_.writer.write(folder, kLocalIndexName, localCopy);
  return true;
}

bool SaveSiteRun::writeStyleFiles() {
  context_.setProgress("Writing miscellaneous files...");
  const SiteFolders& folders = context_.folders;
  const fs::path styleFolder = folders.native(context_.doc.m_pTemplate->templatePath);
  // A style folder outside the program folder gives its pages, but its other
  // files are not copied: they would be published as they are.
  const bool copiesFiles = isWithin(context_.env.home(), styleFolder);
  for (const fs::path& file : styleFiles(styleFolder)) {
    const std::string name = file.filename().string();
    if (isReservedStyleFile(name)) continue;
    const size_t htm = name.find(".htm");
    if (htm != std::string::npos) {
      const std::string base = name.substr(0, htm);
      generate(base, base, name, name, FileLists::kWeb);
      continue;
    }
    if (!copiesFiles) continue;
    if (std::error_code error = copyFile(file, folders.native(folders.siteFile(name)), true)) {
      showFileError(context_.prompter(), error, file);
      continue;
    }
    context_.enterFile(FileLists::kWeb, folders.stored(file), folders.siteFile(name), name, "", 1,
                       0);
  }
  if (!goOn()) return false;
  generate("jserror", "jserror", "jserror.html", "jserror.html", FileLists::kWeb);
  copyStylesheet();
  return true;
}

void SaveSiteRun::copyStylesheet() {
  const SiteFolders& folders = context_.folders;
  const std::string source = std::string(kTemplateCommonFolder) + "\\" + kStylesheetName;
  const std::string local = folders.siteFile(kStylesheetName);
  // A set of templates without a stylesheet has pages that name none.
  std::error_code missing;
  if (!fs::exists(folders.native(source), missing)) return;
  if (std::error_code error = copyFile(folders.native(source), folders.native(local), true)) {
    showFileError(context_.prompter(), error, folders.native(source));
    return;
  }
  // The order server's pages use it too.
  context_.enterFile(FileLists::kBoth, source, local, kStylesheetName, "", 0, 0);
}

void SaveSiteRun::writePage(CPage& page) {
  const std::string base = templateBase(page.templateFile);
  context_.setProgress("Writing " + base + ".html");
  if (auto* fullPage = dynamic_cast<CFullPage*>(&page)) pageFields_.setPageFields(*fullPage);
  const char* orderServerName = orderServerPageName(page.pageType);
  const std::string outputName = orderServerName ? orderServerName : page.getFileName();
  generate(base, pageKind(page.pageType), outputName, base + ".html",
           orderServerName ? FileLists::kOrderServer : FileLists::kWeb);
}

bool SaveSiteRun::writePages() {
  for (const Owned<CPage>& page : context_.doc.m_pPageData->pages) {
    if (!goOn()) return false;
    if (page->pageType == kDownloadPageType && context_.downloadCount <= 0) continue;
    writePage(*page);
    if (page->pageType == kProductPageType) productPage_ = page.get();
  }
  return goOn();
}

void SaveSiteRun::writeSubPage(const CProdHalfPages& page, std::string_view kind) {
  pageFields_.setSubPageFields(page);
  const std::string base = templateBase(page.templateFile);
  generate(base, kind, page.getFileName(), base + ".html", FileLists::kWeb);
}

bool SaveSiteRun::writeProductPages() {
  auto* productPage = dynamic_cast<CProductPage*>(productPage_);
  if (!productPage) return true;
  if (!products_.writeProductFile()) {
    return fail(
        "I'm sorry, but you must have at least one item in your\nproduct database in order to "
        "save it.");
  }
  context_.setProgress("Writing Quorvex pages...");
  writeSubPage(productPage->searchPage, "SearchPage");
  writeSubPage(productPage->categoryPage, "CategoryPage");
  if (context_.featuredCount > 0) {
    context_.setProgress("Writing featured items page...");
    writeSubPage(productPage->featuredPage, "FeaturedItemsPage");
  }
  for (const Owned<CIndProdPage>& page : context_.doc.m_pIndProdData->productPages) {
    if (!goOn()) return false;
    context_.setProgress("Writing individual product pages...");
    pageFields_.setPageFields(*page);
    context_.fields.set("productNumber", cleanPartNumber(page->label));
    const std::string base = templateBase(page->templateFile);
    generate(base, "IndividualProdPage", page->getFileName(), base + ".html", FileLists::kWeb);
  }
  return writeShopPages();
}

bool SaveSiteRun::writeShopPages() {
  pageFields_.setLinkLists(*context_.doc.m_pGlobalPage, /*inLinkFont=*/false);
  generate("view", "view", "view.html", "view.html", FileLists::kWeb);
  generate("shipto", "shipto", "shipto.html", "shipto.html", FileLists::kWeb);
  generate("error", "error", "error.html", "error.html", FileLists::kOrderServer);
  if (!goOn()) return false;
  const SiteFolders& folders = context_.folders;
  if (context_.downloadsOnWebServer || context_.downloadsOnOrderServer) {
    const std::string name = "stop.html";
    std::string text;
    fs::path source = context_.loader.loadTemplate("stop", text, "stop");
    context_.writer.write(folders.native(folders.siteFolder()), name,
                          context_.expander.expand(text, "", name));
    const std::string stored = storedSource(source);
    const std::string local = folders.siteFile(name);
    if (context_.downloadsOnWebServer) {
      context_.enterFile(FileLists::kWeb, stored, local, kIndexName, "softgoods", 0, 0);
    }
    if (context_.downloadsOnOrderServer) {
      context_.enterFile(FileLists::kOrderServer, stored, local, kIndexName, "softgoods", 0, 0);
      context_.enterFile(FileLists::kOrderServer, stored, local, kIndexName, "sgBuyers", 0, 0);
    }
  }
  COrderNotifyData& texts = *context_.doc.m_pOrderNotifyData;
  using Text = COrderNotifyData::Text;
  for (Text which : {Text::kNormalConfirmation, Text::kDownloadConfirmation,
                     Text::kMixedConfirmation, Text::kMerchantNotification}) {
    const std::string name = COrderNotifyData::publishedName(which);
    const std::string local = folders.siteFile(name);
    context_.writer.write(folders.native(folders.siteFolder()), name,
                          context_.expander.expand(texts.text(which), "", name));
    context_.enterFile(FileLists::kOrderServer, local, local, name, "", 0, 0);
  }
  writeOrderCatalogue(context_);
  if (!goOn()) return false;
  if (context_.doc.m_pBusiness->makeTermsPage != 0) {
    context_.setProgress("Writing Terms and Conditions page...");
    generate("Terms", "Terms", "terms.html", "terms.html", FileLists::kWeb);
  }
  return true;
}

void SaveSiteRun::trimFileLists() {
  context_.setProgress("Updating file lists and removing unused files...");
  CBrenquilDoc& doc = context_.doc;
  // The index folder holds the site: the site folder itself, or the existing
  // site with its Quorvex folder for an add-on site.
  const fs::path siteFolder = context_.folders.native(indexFolder_);
  doc.m_pWebFileList->removeUnused(context_.env.home(), siteFolder);
  doc.m_pOrderServerFileList->removeUnused(context_.env.home(), siteFolder);
  if (!options_.viewAfterSaving) return;
  context_.setProgress("Viewing Site...");
  const bool localCopy = !doc.m_pFtp->baseHref.empty();
  if (options_.openInBrowser) {
    options_.openInBrowser(
        context_.folders.native(indexFolder_ + (localCopy ? kLocalIndexName : indexName_)));
  }
}

}  // namespace quorvex
