#ifndef QUORVEX_SITE_SITE_CUSTOMIZATION_H_
#define QUORVEX_SITE_SITE_CUSTOMIZATION_H_

#include <cstdint>
#include <string>
#include <vector>

namespace quorvex {

class Prompter;

// The rules of the dialog "Customize Site Template": the template's name, the
// pages that can be added ("Available Pages") and the pages the site
// includes ("Pages Included in Site"), as page display names. Messages go
// through the prompter given to each operation.
class SiteCustomization {
 public:
  // Starts with the template's name and its page display names. The
  // available pages are Home, Contact, Info, Newspaper, Articles and
  // Magazine Page, then "Coupon Page" unless it is included, then "Specific
  // Category Page" when "Quorvex Pages" is included, else "Quorvex Pages".
  SiteCustomization(std::string name, std::vector<std::string> includedPages);

  // The name typed for the template.
  std::string name;

  const std::vector<std::string>& availablePages() const { return available_; }
  const std::vector<std::string>& includedPages() const { return included_; }

  // Appends the available page at `index` to the included pages; an index
  // outside the list (nothing selected) shows "Please, select the page you
  // would like to add from the list on the left hand side." "Quorvex Pages"
  // and "Coupon Page" can be included once and leave the available list;
  // including "Quorvex Pages" makes "Specific Category Page" available.
  void add(int32_t index, Prompter& prompter);

  // Removes the included page at `index` (-1: nothing selected, which shows
  // "Please, select the page you would like to remove from the list on the
  // right hand side."; beyond the list: "Sorry, you can't delete that
  // page."). The only "Home Page" stays ("Sorry, you must include at least
  // one Home Page."). Removing "Quorvex Pages" while Specific Category pages
  // are included asks whether to remove those too and does nothing on No.
  // A removed "Quorvex Pages" or "Coupon Page" becomes available again;
  // "Specific Category Page" is then no longer available.
  void remove(int32_t index, Prompter& prompter);

  // The dialog's OK: refuses an empty name ("Please, enter a name for your
  // site.") and one holding any of \ / : * ? " < > |.
  bool accept(Prompter& prompter) const;

 private:
  void makeAvailable(const std::string& page);
  void makeUnavailable(const std::string& page);

  std::vector<std::string> available_;
  std::vector<std::string> included_;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_SITE_CUSTOMIZATION_H_
