#ifndef QUORVEX_GENERATOR_PAGE_CONTENT_FIELDS_H_
#define QUORVEX_GENERATOR_PAGE_CONTENT_FIELDS_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "generator/contact_lists.h"
#include "generator/generation_context.h"

namespace quorvex {

class CFullPage;
class CPage;
class CProdHalfPages;
class ImagePlacer;
class PageLinks;

// The fields a page's template uses for its own content: heading and texts in
// their fonts, colours, left margin, background, page images, the links to
// the other pages and, on the contact page, the company's e-mail addresses,
// phone numbers and locations.
// Before the first page the same fields hold the site-wide values.
//
// Fields a page does not set keep the value of the last page that set them
// (a page without background keeps the background of the page before it).
// Pictures of the order-server pages (thank-you, order form, download) go to
// the order-server file list, all others to the web file list; the logo and
// the style's background to both.
//
// The context, the placer and the link lists must outlive it.
class PageContentFields {
 public:
  PageContentFields(GenerationContext& context, ImagePlacer& images, PageLinks& links);

  // Sets companyName, companyURL, copyright, companyLogo, back_img (when the
  // style has a background), text_color, back_color, link_color,
  // visited_color and offset from the company and the style.
  void setSiteFields();

  // Sets the fields of a page of the page list or of an individual product
  // page. On the contact page the page's contact checks are first brought in
  // line with the company's contact entries. The link lists hlinks,
  // www_hlinks, vlinks and www_vlinks show the pages of the page's
  // displayedLinks with the page's customised buttons, in its linkFont.
  void setPageFields(CFullPage& page);

  // Sets the fields of a product sub-page (search, category, featured
  // items): header, colours, offset, mainText, the four link lists (as for
  // a page) and back_img.
  void setSubPageFields(const CProdHalfPages& page);

  // Sets hlinks, www_hlinks, vlinks and www_vlinks (horizontal and vertical,
  // plain and www) from the links `page` displays and its customised
  // buttons; with `inLinkFont`, each wrapped in the page's link font. The
  // site-wide lists come from the "Global" record without a font.
  void setLinkLists(const CPage& page, bool inLinkFont);

  // Returns the label that names a page type in the names of reduced page
  // pictures ("home", "contact", ...; "unknown" for the product page and
  // other types).
  static const char* typeLabel(int32_t pageType);

  // True for the page types whose pages live on the order server.
  static bool isOrderServerPage(int32_t pageType);

 private:
  void setColorsAndOffset(const CPage& page);
  // back_img from the page's background picture, placed and entered in
  // `lists`; leaves back_img alone for a page without one.
  void setBackground(const std::string& backImage, FileLists lists);
  void setAdditionalImages(const CFullPage& page, FileLists lists);
  void setPageImage(const CFullPage& page, FileLists lists);
  void setContactLists(CFullPage& page);

  GenerationContext& context_;
  ImagePlacer& images_;
  PageLinks& links_;
  ContactLists contacts_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PAGE_CONTENT_FIELDS_H_
