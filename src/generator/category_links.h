#ifndef QUORVEX_GENERATOR_CATEGORY_LINKS_H_
#define QUORVEX_GENERATOR_CATEGORY_LINKS_H_

#include <optional>
#include <string>
#include <vector>

namespace quorvex {

class CProductPage;
class GenerationContext;
class LineBudget;
class LinkButtons;

// category-links: the HTML of the shop's links to the featured items, the
// product categories and the search page (the fields category_links and
// vcategory_links).
//
// Nothing without a product page. Otherwise, each group only when the
// product page's sub-page for it shows links: "Featured Items" (and only
// when the run counted featured items), one link per listed category, and
// "Search". Listed are the product table's categories whose descriptive
// name is not "DO NOT PUBLISH" and which have a published row, ordered by
// descriptive name (byte order).
//
// Text links are separated by " | " (a row) or "<BR>\n" (vertical); the
// search link ends the list with a line feed or "<BR>\n". When the style's
// links are pictures and it has a link picture, the links are buttons
// (LinkButtons) with the customisations of the document's
// "ProductCategories" record, broken into lines like the page links; a row
// then ends with a line feed. A button list of which any normal button
// cannot be made is empty.
//
// Lives for one run; the context and the buttons must outlive it.
class CategoryLinks {
 public:
  // A category as the links show it.
  struct Listed {
    std::string category;
    std::string description;
  };

  CategoryLinks(GenerationContext& context, LinkButtons& buttons)
      : context_(context), buttons_(buttons) {}

  // Returns the category links, one a line when `vertical`. The preload
  // statements of the roll-overs are appended to `preload` when it is not
  // null.
  std::string categoryLinks(bool vertical, std::string* preload);

  // Returns the categories the links list, in link order.
  std::vector<Listed> listedCategories() const;

 private:
  std::string textLinks(const CProductPage& page, bool vertical) const;
  // The button list, with its preload statements appended to `preload`;
  // nullopt when a normal button cannot be made.
  std::optional<std::string> imageLinks(const CProductPage& page, bool vertical,
                                        std::string& preload);
  // One button of the list.
  struct Button {
    // Drawn on the picture and its ALT text.
    std::string text;
    // Looked up in the customisations; names the picture file.
    std::string target;
    std::string baseName;
    // The anchor's start, without ">".
    std::string opening;
    // The roll-over's name; "" for the button's script name.
    std::string scriptName;
  };

  // Appends `button`'s link to `list`, breaking the line as `budget` says,
  // and its preload statements to `preload`. False when its normal picture
  // cannot be made.
  bool appendButton(const Button& button, LineBudget& budget, std::string& list,
                    std::string& preload);

  GenerationContext& context_;
  LinkButtons& buttons_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_CATEGORY_LINKS_H_
