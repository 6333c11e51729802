#ifndef QUORVEX_GENERATOR_PAGE_LINKS_H_
#define QUORVEX_GENERATOR_PAGE_LINKS_H_

#include <array>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quorvex {

class CPage;
class GenerationContext;
class LineBudget;
class LinkButtons;

// A request for the list of links to the pages of the site.
struct LinkListRequest {
  // "ALL", or label + "|" for each page to list (a page is listed when its
  // label followed by "|" occurs anywhere in the text).
  std::string selection = "ALL";
  // The site is an add-on site: a link to the existing site's home page
  // comes first, and www links go into its Quorvex folder.
  bool addOnSite = false;
  // One link a line ("<BR>\n" after each) instead of a row.
  bool vertical = false;
  // Links for pages outside the site's frames: absolute addresses through
  // pagecall.html, no TARGET, and flip() instead of shop.flip().
  bool www = false;
  // Receives the statements that preload the roll-over pictures; may be
  // null.
  std::string* preload = nullptr;
  // The page record whose customised buttons apply; may be null.
  const CPage* record = nullptr;
};

// page-links: the HTML of the link lists that lead to the pages of the site
// (the fields hlinks, www_hlinks, vlinks, www_vlinks).
//
// Listed are the pages of the page list, the first home page first and the
// others by label (byte order); never the thank-you, order and download
// pages, and for "ALL" no specific-category page. The links are button
// pictures (LinkButtons) when the style's links are pictures and it has a
// link picture, or when the request's record customises links; otherwise
// text links. A picture list of which any normal button cannot be made is
// empty.
//
// Finished lists are kept for the rest of the run, one table for each
// combination of vertical and www, keyed by selection, and reused for
// requests that name no record with customised links and take no preload
// statements. Lists made for a record with customised links are not kept,
// so that no other page gets that record's buttons.
//
// Lives for one run; the context and the buttons must outlive it.
class PageLinks {
 public:
  PageLinks(GenerationContext& context, LinkButtons& buttons)
      : context_(context), buttons_(buttons) {}

  // Returns the link list `request` asks for. With a preload accumulator
  // the statements for every roll-over of the list are appended to it, and
  // after them those of the buttons customised in the "Global" record, in
  // the pages of the page list, in the product sub-pages (search, category,
  // featured items) and in the individual product pages, each for the pages
  // its own displayedLinks lists, so that every roll-over of the site has
  // its pictures loaded with the shop page. Nothing is appended for a list
  // that came out empty.
  std::string pageLinks(const LinkListRequest& request);

  // Returns the pages `selection` lists, in link order.
  std::vector<const CPage*> listedPages(const std::string& selection) const;

 private:
  std::string textLinks(const LinkListRequest& request,
                        const std::vector<const CPage*>& pages) const;
  // The picture list, with its preload statements appended to `preload`;
  // nullopt when a normal button cannot be made.
  std::optional<std::string> imageLinks(const LinkListRequest& request,
                                        const std::vector<const CPage*>& pages,
                                        std::string& preload);
  // Appends the add-on site's Home button to `list` and its preload
  // statements to `preload`; false when it cannot be made.
  bool appendHomeButton(const LinkListRequest& request, LineBudget& budget, std::string& list,
                        std::string& preload);
  // Appends the preload statements of the buttons `record` customises.
  void preloadCustomised(const CPage& record, std::string& preload);
  // Returns the address a link to `page` leads to.
  std::string target(const CPage& page, const LinkListRequest& request) const;
  std::string webAddress() const;

  GenerationContext& context_;
  LinkButtons& buttons_;
  // Finished lists by selection, indexed by vertical * 2 + www.
  std::array<std::unordered_map<std::string, std::string>, 4> cache_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PAGE_LINKS_H_
