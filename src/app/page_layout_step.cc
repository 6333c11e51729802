#include "app/page_layout_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/display_style_chooser.h"
#include "app/extra_fields_dialog.h"
#include "app/front_end.h"
#include "app/image_file_choice.h"
#include "app/style_choice.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "site/full_page.h"
#include "site/order_form_page.h"
#include "site/product_page.h"
#include "site/style_applier.h"
#include "site/style_template.h"

namespace quorvex {

PageLayoutStep::PageLayoutStep(AppServices& app)
    : StepModel(kCmdPageLayout), pages(*app.doc.m_pPageData), app_(app) {
  if (pages.count() > 0) selectedPage = 0;
}

bool PageLayoutStep::selectPage(size_t index) {
  if (selectedPage && *selectedPage != index) {
    const Status unique = pages.checkUnique(*selectedPage);
    if (!unique.ok()) {
      app_.env.prompter().showMessage(unique.message());
      return false;
    }
  }
  selectedPage = index;
  notifyChanged();
  return true;
}

bool PageLayoutStep::setLabel(const std::string& text) {
  if (!selectedPage || *selectedPage >= pages.count()) return false;
  const Status valid = CPageData::validateLabel(text);
  if (!valid.ok()) {
    app_.env.prompter().showMessage(valid.message());
    return false;
  }
  pages.at(*selectedPage).setLabel(text);
  notifyChanged();
  return true;
}

PageLayoutStep::PagePicture PageLayoutStep::pagePicture(const CFullPage& page) {
  if (page.useDefaultImage != 0) return PagePicture::kStyleDefault;
  return page.noImage != 0 ? PagePicture::kNone : PagePicture::kOwn;
}

void PageLayoutStep::setPagePicture(CFullPage& page, PagePicture picture) {
  page.useDefaultImage = picture == PagePicture::kStyleDefault ? 1 : 0;
  page.noImage = picture == PagePicture::kNone ? 1 : 0;
}

void PageLayoutStep::browsePageImage(CFullPage& page) {
  std::optional<std::filesystem::path> file = chooseImageFile(app_, "Page Image...", page.pageImage);
  if (!file) return;
  page.pageImage = file->string();
  setPagePicture(page, PagePicture::kOwn);
  notifyChanged();
}

void PageLayoutStep::browseExtraPicture(CFullPage& page, size_t index) {
  const bool adding = index >= page.imageFiles.size();
  std::optional<std::filesystem::path> file =
      chooseImageFile(app_, "Picture...", adding ? std::string() : page.imageFiles[index]);
  if (!file) return;
  if (adding) {
    page.appendImage(file->string());
  } else {
    page.imageFiles[index] = file->string();
  }
  notifyChanged();
}

void PageLayoutStep::removeExtraPicture(CFullPage& page, size_t index) {
  page.eraseImage(index);
  notifyChanged();
}

const std::vector<int32_t>& PageLayoutStep::addablePageTypes() {
  static const std::vector<int32_t> types = {
      kHomePageType,     kContactPageType,   kInfoPageType,      kProductPagesGroup,
      kCouponPageType,   kArticlesPageType,  kNewspaperPageType, kMagazinePageType,
      kSpecCategoryPageType};
  return types;
}

bool PageLayoutStep::addPages(int32_t type, int32_t count) {
  Prompter& prompter = app_.env.prompter();
  if (!StyleChoice::hasPages(pages, prompter)) return false;
  if (type == kProductPagesGroup && pages.hasProductPage()) {
    prompter.showMessage("The site already has its shop pages (Product, Thank You, Order Form and Download).");
    return false;
  }
  CPageData grown = pages;
  grown.addPages(type, count);
  for (size_t i = pages.count(); i < grown.count(); ++i) {
    const Status unique = grown.checkUnique(i);
    if (!unique.ok()) {
      prompter.showMessage(unique.message());
      return false;
    }
  }
  styleNewPages(*app_.doc.m_pTemplate, grown, app_.doc.m_strCompanyName);
  pages = std::move(grown);
  notifyChanged();
  return true;
}

bool PageLayoutStep::removePage(size_t index) {
  Prompter& prompter = app_.env.prompter();
  const int32_t type = pages.at(index).pageType;
  if (type == kProductPageType || type == kThankYouPageType || type == kOrderFormPageType ||
      type == kDownloadPageType) {
    prompter.showMessage(
        "The shop's pages (Product, Thank You, Order Form and Download) come and go together.\n"
        "Choose a site type without a shop to remove them.");
    return false;
  }
  if (pages.count() == 1) {
    prompter.showMessage("A site needs at least one page.");
    return false;
  }
  pages.pages.erase(pages.pages.begin() + static_cast<std::ptrdiff_t>(index));
  selectedPage = 0;
  notifyChanged();
  return true;
}

void PageLayoutStep::movePage(size_t from, size_t to) {
  Owned<CPage> page = std::move(pages.pages[from]);
  pages.pages.erase(pages.pages.begin() + static_cast<std::ptrdiff_t>(from));
  pages.pages.insert(pages.pages.begin() + static_cast<std::ptrdiff_t>(to), std::move(page));
  selectedPage = to;
  notifyChanged();
}

std::vector<std::string> PageLayoutStep::linkableLabels() const {
  std::vector<std::string> labels;
  for (const Owned<CPage>& page : pages.pages) {
    if (!isNeverLinked(page->pageType)) labels.push_back(page->label);
  }
  return labels;
}

std::filesystem::path PageLayoutStep::pictureFile(const std::string& stored) const {
  if (stored.empty() || stored == "NoImage") return {};
  return resolveStoredPath(app_.env.home(), stored);
}

void PageLayoutStep::chooseDisplayStyle(CProductPage& page) {
  DisplayStyleChooser chooser(app_.frontEnd, app_.env.prompter(), app_.env.home());
  std::optional<std::string> chosen = chooser.choose(page.layoutFile);
  if (!chosen) return;
  page.layoutFile = *chosen;
  notifyChanged();
}

bool PageLayoutStep::accept() {
  if (selectedPage) {
    const Status unique = pages.checkUnique(*selectedPage);
    if (!unique.ok()) {
      app_.env.prompter().showMessage(unique.message());
      return false;
    }
  }
  if (CProductPage* product = pages.productPage()) {
    DisplayStyleChooser(app_.frontEnd, app_.env.prompter(), app_.env.home())
        .confirm(product->layoutFile);
  }
  return true;
}

void PageLayoutStep::editExtraFields(COrderFormPage& page) {
  ExtraFieldsDialog dialog(app_.frontEnd, app_.env.prompter(), page.extraFields);
  if (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) page.extraFields = dialog.fields;
}

void PageLayoutStep::apply() { *app_.doc.m_pPageData = pages; }

}  // namespace quorvex
