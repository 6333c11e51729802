#include "generator/category_links.h"

#include <algorithm>
#include <unordered_set>

#include "company/brenquil_doc.h"
#include "generator/generation_context.h"
#include "generator/link_buttons.h"
#include "generator/link_markup.h"
#include "generator/product_data.h"
#include "generator/text_helpers.h"
#include "products/category_name_form.h"
#include "site/product_page.h"

namespace quorvex {

namespace {

constexpr char kLineBreak[] = "<BR>\n";
constexpr char kFeaturedHref[] = "<A HREF=\"javascript:shop.show('featured',0,0)\"";
constexpr char kSearchHref[] =
    "<A HREF=\"search.html\" onclick=\"shop.searched=0\" TARGET=\"main\"";

std::string categoryHref(const std::string& category) {
  return "<A HREF=\"javascript:shop.show('" + scriptEscape(category) + "')\"";
}

}  // namespace

std::vector<CategoryLinks::Listed> CategoryLinks::listedCategories() const {
  const CExtraFields& table = *context_.doc.m_pExtraFields;
  std::unordered_set<std::string_view> published;
  for (const CExtraItem& row : table.rows) {
    if (ProductData::isPublished(row)) published.insert(row.category);
  }
  std::vector<Listed> listed;
  for (size_t i = 0; i < table.categoryNames.size(); ++i) {
    const std::string& category = table.categoryNames[i];
    std::string description =
        i < table.categoryDescriptions.size() ? table.categoryDescriptions[i] : std::string();
    if (description == kDoNotPublishDescription || !published.contains(category)) continue;
    listed.push_back({category, std::move(description)});
  }
  std::stable_sort(listed.begin(), listed.end(),
                   [](const Listed& a, const Listed& b) { return a.description < b.description; });
  return listed;
}

std::string CategoryLinks::categoryLinks(bool vertical, std::string* preload) {
  const CProductPage* page = context_.doc.m_pPageData->productPage();
  if (!page) return "";
  if (!buttons_.styleHasButtons()) return textLinks(*page, vertical);
  std::string statements;
  std::optional<std::string> list = imageLinks(*page, vertical, statements);
  if (!list) return "";
  if (preload) *preload += statements;
  return *list;
}

std::string CategoryLinks::textLinks(const CProductPage& page, bool vertical) const {
  const std::string separator = vertical ? kLineBreak : " | ";
  std::string list;
  if (page.featuredPage.linksEnabled != 0 && context_.featuredCount > 0) {
    list += std::string(kFeaturedHref) + " TARGET=\"main\">Featured Items</A>" + separator;
  }
  if (page.categoryPage.linksEnabled != 0) {
    for (const Listed& listed : listedCategories()) {
      list += categoryHref(listed.category) + ">" + listed.description + "</A>" + separator;
    }
  }
  if (page.searchPage.linksEnabled != 0) {
    list += std::string(kSearchHref) + ">Search</A>" + (vertical ? kLineBreak : "\n");
  }
  return list;
}

std::optional<std::string> CategoryLinks::imageLinks(const CProductPage& page, bool vertical,
                                                     std::string& preload) {
  LineBudget budget(context_.doc.m_pTemplate->offset, vertical);
  std::string list;
  if (page.featuredPage.linksEnabled != 0 && context_.featuredCount > 0 &&
      !appendButton({"Featured Items", "Featured Items", "FeaturedItems.html", kFeaturedHref,
                     "FeaturedItems"},
                    budget, list, preload)) {
    return std::nullopt;
  }
  if (page.categoryPage.linksEnabled != 0) {
    for (const Listed& listed : listedCategories()) {
      if (!appendButton({listed.description, listed.category, listed.category,
                         categoryHref(listed.category), ""},
                        budget, list, preload)) {
        return std::nullopt;
      }
    }
  }
  if (page.searchPage.linksEnabled != 0 &&
      !appendButton({"Search", "Search", "search.html", kSearchHref, "Search"}, budget, list,
                    preload)) {
    return std::nullopt;
  }
  if (!vertical) list += '\n';
  return list;
}

bool CategoryLinks::appendButton(const Button& link, LineBudget& budget, std::string& list,
                                 std::string& preload) {
  const CPage* record = context_.doc.m_pCategoriesPage.get();
  LinkButtonRequest button{link.text, link.target, link.baseName, false, record};
  const std::optional<LinkButton> normal = buttons_.render(button);
  if (!normal) return false;
  std::optional<LinkButton> pressed;
  if (buttons_.wantsPressed(record)) {
    button.pressed = true;
    pressed = buttons_.render(button);
  }
  const std::string& name = link.scriptName.empty() ? normal->scriptName : link.scriptName;
  const std::string& imagesUrl = context_.folders.imagesUrl();
  list += buttonLink({link.opening, "shop.flip", name, link.text, false}, *normal,
                     pressed.has_value(), imagesUrl);
  list += budget.after(normal->width);
  if (pressed) preload += preloadStatements(name, normal->fileName, pressed->fileName, imagesUrl);
  return true;
}

}  // namespace quorvex
