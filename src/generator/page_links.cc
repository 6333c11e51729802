#include "generator/page_links.h"

#include <algorithm>

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/link_buttons.h"
#include "generator/link_markup.h"
#include "generator/web_address.h"
#include "site/ind_prod_data.h"
#include "site/product_page.h"

namespace quorvex {

namespace {

constexpr char kLineBreak[] = "<BR>\n";
// The folder of an add-on site below the existing site.
constexpr char kAddOnFolder[] = "Quorvex/";

const char* flipFunction(bool www) { return www ? "flip" : "shop.flip"; }

// " TARGET=\"main\"" for links inside the site's frames.
const char* frameTarget(bool www) { return www ? "" : " TARGET=\"main\""; }

}  // namespace

std::vector<const CPage*> PageLinks::listedPages(const std::string& selection) const {
  const bool all = selection == kAllLinks;
  std::vector<const CPage*> pages;
  const CPage* home = nullptr;
  bool homeListed = false;
  for (const Owned<CPage>& page : context_.doc.m_pPageData->pages) {
    const bool firstHome = !home && page->pageType == kHomePageType;
    if (firstHome) home = page.get();
    if (isNeverLinked(page->pageType)) continue;
    if (all ? page->pageType == kSpecCategoryPageType
            : selection.find(page->label + "|") == std::string::npos) {
      continue;
    }
    if (firstHome) {
      homeListed = true;
    } else {
      pages.push_back(page.get());
    }
  }
  std::stable_sort(pages.begin(), pages.end(),
                   [](const CPage* a, const CPage* b) { return a->label < b->label; });
  if (homeListed) pages.insert(pages.begin(), home);
  return pages;
}

std::string PageLinks::webAddress() const {
  return absoluteWebAddress(context_.doc.m_pContact->url);
}

std::string PageLinks::target(const CPage& page, const LinkListRequest& request) const {
  if (!request.www) return page.getFileName();
  std::string address = webAddress();
  if (!address.ends_with('/')) address += '/';
  if (request.addOnSite) address += kAddOnFolder;
  return address + "pagecall.html?" + page.getFileName();
}

std::string PageLinks::pageLinks(const LinkListRequest& request) {
  const bool customised = LinkButtons::hasCustomisedLinks(request.record);
  std::unordered_map<std::string, std::string>& cache =
      cache_[(request.vertical ? 2 : 0) + (request.www ? 1 : 0)];
  if (!customised && !request.preload) {
    auto cached = cache.find(request.selection);
    if (cached != cache.end() && !cached->second.empty()) return cached->second;
  }
  const std::vector<const CPage*> pages = listedPages(request.selection);
  std::string preload;
  std::string list;
  if (buttons_.styleHasButtons() || customised) {
    list = imageLinks(request, pages, preload).value_or("");
  } else {
    list = textLinks(request, pages);
  }
  if (!customised) cache[request.selection] = list;
  if (request.preload && !list.empty()) {
    const CBrenquilDoc& doc = context_.doc;
    preloadCustomised(*doc.m_pGlobalPage, preload);
    for (const Owned<CPage>& page : doc.m_pPageData->pages) preloadCustomised(*page, preload);
    if (const CProductPage* product = doc.m_pPageData->productPage()) {
      preloadCustomised(product->searchPage, preload);
      preloadCustomised(product->categoryPage, preload);
      preloadCustomised(product->featuredPage, preload);
    }
    for (const Owned<CIndProdPage>& page : doc.m_pIndProdData->productPages) {
      preloadCustomised(*page, preload);
    }
    *request.preload += preload;
  }
  return list;
}

std::string PageLinks::textLinks(const LinkListRequest& request,
                                 const std::vector<const CPage*>& pages) const {
  const std::string separator = request.vertical ? kLineBreak : " | ";
  std::string list;
  if (request.addOnSite) {
    list += request.www ? "<A HREF=\"" + webAddress() + "\">Home</A>"
                        : "<A HREF=\"../" + context_.doc.m_pSiteTemplate->oldIndexName +
                              "\" TARGET=\"main\">Home</A>";
    list += separator;
  }
  for (const CPage* page : pages) {
    list += "<A HREF=\"" + target(*page, request) + "\"" + frameTarget(request.www) + ">" +
            page->label + "</A>" + separator;
  }
  // A row ends with its last link and a line feed, not with a bar.
  if (!request.vertical && list.size() >= 2 && list[list.size() - 2] == '|') {
    list[list.size() - 2] = ' ';
    list.erase(list.find_last_not_of(' ') + 1);
    list += '\n';
  }
  return list;
}

bool PageLinks::appendHomeButton(const LinkListRequest& request, LineBudget& budget,
                                 std::string& list, std::string& preload) {
  const std::string& oldIndex = context_.doc.m_pSiteTemplate->oldIndexName;
  LinkButtonRequest button{"Home", "Home", oldIndex, false, nullptr};
  const std::optional<LinkButton> normal = buttons_.render(button);
  if (!normal) return false;
  std::optional<LinkButton> pressed;
  if (!context_.doc.m_pTemplate->linkPressedImage.empty()) {
    button.pressed = true;
    pressed = buttons_.render(button);
  }
  const std::string& imagesUrl = context_.folders.imagesUrl();
  ButtonLinkMarkup markup{request.www ? "<A HREF=\"" + webAddress() + "\""
                                      : "<A HREF=\"../" + oldIndex + "\" TARGET=\"main\"",
                          flipFunction(request.www), "Home", "Home", false};
  list += buttonLink(markup, *normal, pressed.has_value(), imagesUrl);
  list += budget.after(normal->width);
  if (pressed) preload += preloadStatements("Home", normal->fileName, pressed->fileName, imagesUrl);
  return true;
}

std::optional<std::string> PageLinks::imageLinks(const LinkListRequest& request,
                                                 const std::vector<const CPage*>& pages,
                                                 std::string& preload) {
  const std::string& imagesUrl = context_.folders.imagesUrl();
  const bool anyPressed = buttons_.wantsPressed(request.record);
  LineBudget budget(context_.doc.m_pTemplate->offset, request.vertical);
  std::string list;
  if (request.addOnSite && !appendHomeButton(request, budget, list, preload)) return std::nullopt;
  for (const CPage* page : pages) {
    LinkButtonRequest button{page->label, page->label, page->getFileName(), false, request.record};
    const std::optional<LinkButton> normal = buttons_.render(button);
    if (!normal) return std::nullopt;
    std::optional<LinkButton> pressed;
    if (anyPressed) {
      button.pressed = true;
      pressed = buttons_.render(button);
    }
    ButtonLinkMarkup markup{
        "\n<A HREF=\"" + target(*page, request) + "\"" + frameTarget(request.www),
        flipFunction(request.www), normal->scriptName, page->label, true};
    list += buttonLink(markup, *normal, pressed.has_value(), imagesUrl);
    list += budget.after(normal->width);
    if (pressed) {
      preload +=
          preloadStatements(normal->scriptName, normal->fileName, pressed->fileName, imagesUrl);
    }
  }
  if (!request.vertical) list += '\n';
  return list;
}

void PageLinks::preloadCustomised(const CPage& record, std::string& preload) {
  if (!LinkButtons::hasCustomisedLinks(&record)) return;
  const std::string& imagesUrl = context_.folders.imagesUrl();
  for (const CPage* page : listedPages(record.displayedLinks)) {
    if (LinkButtons::customisation(&record, page->label) < 0) continue;
    LinkButtonRequest button{page->label, page->label, page->getFileName(), false, &record};
    const std::optional<LinkButton> normal = buttons_.render(button);
    button.pressed = true;
    const std::optional<LinkButton> pressed = normal ? buttons_.render(button) : std::nullopt;
    if (pressed) {
      preload +=
          preloadStatements(normal->scriptName, normal->fileName, pressed->fileName, imagesUrl);
    }
  }
}

}  // namespace quorvex
