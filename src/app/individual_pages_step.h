#ifndef QUORVEX_APP_INDIVIDUAL_PAGES_STEP_H_
#define QUORVEX_APP_INDIVIDUAL_PAGES_STEP_H_

#include "app/step_model.h"
#include "site/ind_prod_data.h"

namespace quorvex {

struct AppServices;

// "Individual Product Pages": the settings of the pages of the products
// marked for one. The step never adds pages; it drops those of products no
// longer marked before it opens.
class IndividualPagesStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  explicit IndividualPagesStep(AppServices& app);

  // The copy of the page list, made by prepare().
  CIndProdData pages;

  // Reads the product rows, removes the pages of products no longer marked
  // from the document, releases the rows, tells the user when no page is
  // left, and copies the page list. False when an existing product file
  // could not be read: then no page is removed.
  bool prepare() override;
  // Stores the page list back.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_INDIVIDUAL_PAGES_STEP_H_
