#ifndef QUORVEX_APP_PRODUCT_TABLE_STEP_H_
#define QUORVEX_APP_PRODUCT_TABLE_STEP_H_

#include "app/step_model.h"
#include "products/extra_fields.h"

namespace quorvex {

struct AppServices;

// The steps that edit the product table with its rows: "Create Or Import
// Product List" and "Enhance Product Descriptions". The rows are loaded from
// their files before the dialog, written back after OK and released after
// the dialog however it ended.
class ProductTableStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `command` is kCmdProductList or kCmdEnhanceProducts.
  ProductTableStep(AppServices& app, int command);

  // The copy of the table with its rows, made by prepare().
  CExtraFields table;

  // Loads the rows into the document's table and copies it; false when an
  // existing product file could not be read.
  bool prepare() override;
  // Stores the table back and writes its rows. After Enhance Product
  // Descriptions the individual product pages follow the marked products.
  void apply() override;
  // Releases the rows of the document's table.
  void release() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PRODUCT_TABLE_STEP_H_
