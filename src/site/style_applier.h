#ifndef QUORVEX_SITE_STYLE_APPLIER_H_
#define QUORVEX_SITE_STYLE_APPLIER_H_

#include <string>

namespace quorvex {

class CIndProdData;
class CPage;
class CPageData;
class CTemplate;

// Gives `page` the look of `style`:
// - templateFile becomes the default template file of the page's type (a
//   page without a type of its own keeps it);
// - backImage, the four colours and the offset are copied from the style;
// - the link customisations are removed;
// - a full page's fonts become plain Arial in the style's text colour:
//   header 28 pt, subheader 16 pt, the three text blocks 12 pt, links 8 pt;
// - a product page's three sub-pages get the same look (they keep their
//   template files), with plain Arial header 28 pt and body 12 pt in the
//   style's text colour; their link fonts stay.
// Nothing else of the page changes.
void applyStyleToPage(const CTemplate& style, CPage& page);

// Applies `style` to every page of `pages` and every individual product page
// of `productPages`.
void applyStyleToAllPages(const CTemplate& style, CPageData& pages, CIndProdData& productPages);

// Styles the pages that a change of site template has just created: applies
// `style` to every page of `pages` whose unstyled flag is set, gives each
// such Home page the header `companyName`, and clears the flag.
void styleNewPages(const CTemplate& style, CPageData& pages, const std::string& companyName);

}  // namespace quorvex

#endif  // QUORVEX_SITE_STYLE_APPLIER_H_
