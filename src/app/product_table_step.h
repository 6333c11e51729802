#ifndef QUORVEX_APP_PRODUCT_TABLE_STEP_H_
#define QUORVEX_APP_PRODUCT_TABLE_STEP_H_

#include <filesystem>
#include <optional>
#include <string>

#include "app/enhance_products_model.h"
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
  // The rules of "Enhance Product Descriptions" on `table`.
  EnhanceProductsModel enhance;

  // The home folder, against which the rows' picture paths are resolved.
  const std::filesystem::path& home() const;

  // Loads the rows into the document's table and copies it; false when an
  // existing product file could not be read.
  bool prepare() override;
  // Stores the table back and writes its rows. After Enhance Product
  // Descriptions the individual product pages follow the marked products.
  void apply() override;
  // Releases the rows of the document's table.
  void release() override;

  // ---- "Create Or Import Product List" -------------------------------------
  // Each operation opens its dialogs through the front end, and when they are
  // confirmed stores the result in `table`, writes PriceList.txt, hands the
  // table's settings to the document (the file and the document must agree
  // even if the step is cancelled afterwards) and notifies.

  // "&Modify Product List": for an imported table first asks whether to copy
  // it (ProductListConversion::confirmModify()); then "Create Price List" on
  // a copy of the rows. Its OK makes an imported table in-program and takes
  // the edited rows; Cancel keeps the table as it was.
  void modifyProductList();

  // "Create New Product List": asks whether to replace the current table
  // (ProductListConversion::confirmCreateNew()), starts an empty in-program
  // table and opens "Create Price List" on it.
  void createNewProductList();

  // "Import External Product List": the file chosen in "Data File", then the
  // "Import Wizard" on a copy of the table (ImportWizard states the rules).
  // Finish links the table to the file and reads its rows.
  void importExternalProductList();

  // "&Edit Category Names": "Edit Category Names" on a copy of the category
  // lists. Its OK takes the lists and, for an in-program table, reads the
  // rows again so that they carry the renamed categories.
  void editCategoryNames();

  // "Image File Path": the folder prefixed to the picture names of an
  // imported table, chosen in a folder dialog; nothing changes when the user
  // cancels.
  void choosePictureFolder();

  // "Product Picture"'s "&Browse": an image file chosen as every step
  // chooses one (chooseImageFile), starting from the stored path `current`.
  std::optional<std::filesystem::path> choosePictureFile(const std::string& current);

  // "Produc&t Sorting": "Product Sorting" on the table's sort settings; OK
  // stores them in `table`.
  void sortProducts();

  // ---- "Enhance Product Descriptions" ---------------------------------------
  // Each runs the steps of EnhanceProductsModel around its dialogs, opened
  // through the front end, and notifies `enhance` when rows changed.

  // "P&roduct Features": "Product Feature Flags" on the choices of the first
  // of `selectedRows`; its OK gives those choices to every selected row.
  void setProductFeatures(const std::vector<int32_t>& selectedRows);

  // "&Set All Attributes": "Set All Attributes" on the one selected row.
  void setAllAttributes(const std::vector<int32_t>& selectedRows);

  // "F&eature Definitions": "Product Features" on the feature definitions;
  // its OK gives them to `table` and its rows (ProductFeaturesDialog) and
  // notifies this step, whose grid has a column per definition.
  void editFeatureDefinitions();

  // ---- "No Product List Found" ----------------------------------------------

  // True when "Create Or Import Product List" is to offer the choice "No
  // Product List Found" before it opens: the table is neither kept in the
  // program nor imported from a file.
  bool offersProductListChoice() const;

  // The answers of "No Product List Found".
  enum class ProductListChoice { kCreateNew, kImport, kCancel };
  // Carries out `choice`: "C&reate New Product List" as
  // createNewProductList(), "&Import External Product List" as
  // importExternalProductList(). Returns false for "&Cancel", after which
  // the step ends without change.
  bool startProductList(ProductListChoice choice);

 private:
  // Stores the confirmed `edited` table: writes PriceList.txt from its rows
  // and copies it into `table` and the document.
  void takeTable(const CExtraFields& edited);
  // Runs "Create Price List" on a copy of `table`; on OK, makes an imported
  // copy in-program and takes it.
  void runPriceList();

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PRODUCT_TABLE_STEP_H_
