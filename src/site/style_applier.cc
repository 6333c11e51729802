#include "site/style_applier.h"

#include "site/full_page.h"
#include "site/ind_prod_data.h"
#include "site/page_data.h"
#include "site/product_page.h"
#include "site/style_template.h"

namespace quorvex {

namespace {

// Plain Arial of `tenthsOfPoint` in `color`, keeping the font dialog's own
// LOGFONT and colour.
void setPlainArial(CFontData& font, int32_t color, int32_t tenthsOfPoint) {
  font.set("Arial", color, tenthsOfPoint, 0, 0, 0, 0);
}

// What every page takes from the style: template file, background, colours,
// margin; and the loss of its link customisations.
void applyAppearance(const CTemplate& style, CPage& page) {
  page.setDefaultTemplateFile(page.getType());
  page.backImage = style.backImage;
  page.backColor = style.back_color;
  page.linkColor = style.link_color;
  page.textColor = style.text_color;
  page.visitedColor = style.vlink_color;
  page.offset = style.offset;
  page.clearLinks();
}

void applyToSubPage(const CTemplate& style, int32_t textColor, CProdHalfPages& subPage) {
  applyAppearance(style, subPage);
  setPlainArial(subPage.headerFont, textColor, 280);
  setPlainArial(subPage.bodyFont, textColor, 120);
}

}  // namespace

void applyStyleToPage(const CTemplate& style, CPage& page) {
  applyAppearance(style, page);
  auto* full = dynamic_cast<CFullPage*>(&page);
  if (full == nullptr) return;
  const int32_t textColor = style.getTextColorValue();
  setPlainArial(full->subheaderFont, textColor, 160);
  setPlainArial(full->mainText1Font, textColor, 120);
  setPlainArial(full->mainText2Font, textColor, 120);
  setPlainArial(full->headerFont, textColor, 280);
  setPlainArial(full->mainTextFont, textColor, 120);
  setPlainArial(full->linkFont, textColor, 80);
  if (auto* product = dynamic_cast<CProductPage*>(&page)) {
    applyToSubPage(style, textColor, product->categoryPage);
    applyToSubPage(style, textColor, product->featuredPage);
    applyToSubPage(style, textColor, product->searchPage);
  }
}

void applyStyleToAllPages(const CTemplate& style, CPageData& pages, CIndProdData& productPages) {
  for (Owned<CPage>& page : pages.pages) applyStyleToPage(style, *page);
  for (Owned<CIndProdPage>& page : productPages.productPages) applyStyleToPage(style, *page);
}

void styleNewPages(const CTemplate& style, CPageData& pages, const std::string& companyName) {
  for (Owned<CPage>& page : pages.pages) {
    if (!page->unstyled) continue;
    applyStyleToPage(style, *page);
    if (page->getType() == kHomePageType) {
      if (auto* home = dynamic_cast<CFullPage*>(page.get())) home->header = companyName;
    }
    page->unstyled = 0;
  }
}

}  // namespace quorvex
