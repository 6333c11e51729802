#ifndef QUORVEX_APP_PAGE_LAYOUT_STEP_H_
#define QUORVEX_APP_PAGE_LAYOUT_STEP_H_

#include "app/step_model.h"
#include "site/page_data.h"

namespace quorvex {

struct AppServices;
class COrderFormPage;

// "Choose Page Layout": the page list and its pages, including the extra
// fields of the order form page.
class PageLayoutStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the page list (page by page).
  explicit PageLayoutStep(AppServices& app);

  CPageData pages;

  // Opens "Order Form Extra Fields" on `page`'s extra fields (a page of the
  // copy) and takes them back on OK.
  void editExtraFields(COrderFormPage& page);

  // Stores the page list back.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PAGE_LAYOUT_STEP_H_
