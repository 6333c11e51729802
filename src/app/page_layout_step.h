#ifndef QUORVEX_APP_PAGE_LAYOUT_STEP_H_
#define QUORVEX_APP_PAGE_LAYOUT_STEP_H_

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/step_model.h"
#include "site/page_data.h"

namespace quorvex {

struct AppServices;
class CFullPage;
class COrderFormPage;
class CProductPage;

// "Choose Page Layout": the page list and its pages, including the extra
// fields of the order form page.
class PageLayoutStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the page list (page by page).
  explicit PageLayoutStep(AppServices& app);

  CPageData pages;
  // The page being edited; the first page when the dialog opens.
  std::optional<size_t> selectedPage;

  // Goes to the page at `index`. The page being left must bear a label no
  // other page has: otherwise shows "Sorry, the Page Label "<label>" is being
  // used by another page.\nPlease, choose another label before continuing."
  // and returns false, staying on it. Notifies the listeners on success.
  bool selectPage(size_t index);

  // A label typed for the selected page: a reserved label, or one holding
  // a forbidden character, is refused with its message and the page keeps
  // its label (false); otherwise the page takes it and the listeners are
  // notified.
  bool setLabel(const std::string& text);

  // How a page shows its own picture: the style's default picture for its
  // kind, the picture it names, or none (useDefaultImage and noImage are
  // never both set).
  enum class PagePicture { kStyleDefault, kOwn, kNone };
  static PagePicture pagePicture(const CFullPage& page);
  static void setPagePicture(CFullPage& page, PagePicture picture);

  // Lets the user pick `page`'s own picture ("Page Image...", as
  // chooseImageFile()); a choice becomes the page's picture and is shown.
  // Notifies the listeners when a picture was chosen.
  void browsePageImage(CFullPage& page);

  // Lets the user pick the file of `page`'s additional picture `index`
  // ("Picture...", as chooseImageFile()); index imageCount adds a picture.
  // Notifies the listeners when a picture was chosen.
  void browseExtraPicture(CFullPage& page, size_t index);
  // Removes `page`'s additional picture `index` and notifies the listeners.
  void removeExtraPicture(CFullPage& page, size_t index);

  // The page types a page can be added of: every type with a page class of
  // its own, with the shop's four pages (product, thank-you, order form,
  // download) offered together as kProductPagesGroup.
  static const std::vector<int32_t>& addablePageTypes();

  // Appends `count` new pages of `type` (one of addablePageTypes()), labelled
  // and styled as a change of site type makes them. Refuses with a message,
  // changing nothing, when the list is empty (no site type chosen yet), when
  // the shop is added to a site that has one, and when a new page would bear
  // another page's label. Notifies the listeners on success.
  bool addPages(int32_t type, int32_t count);

  // Removes the page at `index`. The shop's pages come and go together with
  // the site type and the last page is kept: both are refused with a
  // message. Notifies the listeners on success.
  bool removePage(size_t index);

  // Moves the page at `from` to position `to` (both below the page count);
  // the order of the list is the order of the site's links.
  void movePage(size_t from, size_t to);

  // The labels of the pages a page's link lists can show, in list order.
  std::vector<std::string> linkableLabels() const;

  // Returns the file a stored picture path names (relative paths below the
  // program folder), or an empty path for "" and "NoImage".
  std::filesystem::path pictureFile(const std::string& stored) const;

  // Opens "Order Form Extra Fields" on `page`'s extra fields (a page of the
  // copy) and takes them back on OK.
  void editExtraFields(COrderFormPage& page);

  // Lets the user choose `page`'s display style (DisplayStyleChooser);
  // notifies the listeners when one was chosen.
  void chooseDisplayStyle(CProductPage& page);

  // Requires a label of its own for the selected page; a product page's
  // display style that fails its check is offered for a new choice
  // (DisplayStyleChooser::confirm()).
  bool accept() override;

  // Stores the page list back.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PAGE_LAYOUT_STEP_H_
