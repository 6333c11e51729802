#include "app/product_table_step.h"

#include <algorithm>
#include <unordered_map>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/create_price_list_model.h"
#include "app/document_lifecycle.h"
#include "app/edit_category_names_model.h"
#include "app/front_end.h"
#include "app/image_file_choice.h"
#include "app/import_wizard_model.h"
#include "app/individual_pages.h"
#include "app/product_features_dialog.h"
#include "app/product_sorting_model.h"
#include "app/feature_flags_dialog.h"
#include "app/set_all_attributes_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "products/import_wizard.h"
#include "products/product_list_conversion.h"

namespace quorvex {

ProductTableStep::ProductTableStep(AppServices& app, int command)
    : StepModel(command), enhance(app.env, table), app_(app) {}

const std::filesystem::path& ProductTableStep::home() const { return app_.env.home(); }

bool ProductTableStep::prepare() {
  CExtraFields& documentTable = *app_.doc.m_pExtraFields;
  documentTable.clearRows();
  // A product file that exists but cannot be read (its error shown) keeps
  // the dialog closed: its empty table would be written over the products.
  Status loaded = documentTable.loadRows(app_.env);
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return false;
  table.copyFrom(documentTable);
  return true;
}

void ProductTableStep::apply() {
  CBrenquilDoc& doc = app_.doc;
  doc.m_pExtraFields->copyFrom(table);
  // A failed write has shown its file error; the file keeps the old rows.
  (void)doc.m_pExtraFields->writeRows(app_.env);
  if (command() == kCmdEnhanceProducts) {
    syncWithProducts(*doc.m_pIndProdData, markedProducts(*doc.m_pExtraFields), *doc.m_pTemplate);
  }
}

void ProductTableStep::release() { app_.doc.m_pExtraFields->clearRows(); }

void ProductTableStep::modifyProductList() {
  if (!ProductListConversion(app_.env).confirmModify(table)) return;
  runPriceList();
}

void ProductTableStep::createNewProductList() {
  ProductListConversion conversion(app_.env);
  if (!conversion.confirmCreateNew(table)) return;
  CExtraFields emptied;
  emptied.copyFrom(table);
  // A file error has been shown; the old table stays.
  if (!conversion.startNewList(emptied)) return;
  takeTable(emptied);
  runPriceList();
}

void ProductTableStep::runPriceList() {
  CExtraFields edited;
  edited.copyFrom(table);
  CreatePriceListModel priceList(edited, app_.env.prompter());
  if (app_.frontEnd.runDialog(priceList) == DialogResult::kCancel) return;
  // A failed conversion has shown its file error; the table stays imported.
  if (edited.isImported() && !ProductListConversion(app_.env).makeInProgram(edited)) return;
  takeTable(edited);
}

void ProductTableStep::importExternalProductList() {
  CExtraFields edited;
  edited.copyFrom(table);
  ImportWizard wizard(app_.env, edited);
  FileDialogRequest request;
  request.title = "Data File";
  request.filters = {{"All Files (*.*)", "*.*"}};
  const std::filesystem::path proposed = wizard.proposedFile();
  request.folder = proposed.parent_path();
  request.fileName = proposed.filename().string();
  const std::optional<std::filesystem::path> file = app_.frontEnd.chooseFile(request);
  if (!file || !wizard.start(file->string())) return;
  ImportWizardModel dialog(wizard, app_.frontEnd);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  // finish() has written PriceList.txt and released the rows, or shown why
  // it could not; the grid shows the rows read again.
  if (!wizard.finish()) return;
  const Status loaded = edited.loadRows(app_.env);
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return;
  takeTable(edited);
}

void ProductTableStep::editCategoryNames() {
  CExtraFields edited;
  edited.copyFrom(table);
  edited.clearRows();
  EditCategoryNamesModel categories(app_.env, edited);
  if (app_.frontEnd.runDialog(categories) == DialogResult::kCancel) return;
  // The model has shown why the rows could not be renamed; the names stay.
  if (!categories.confirm()) return;
  // PriceList.txt holds the renamed rows now; the rows in memory, which
  // are those of the file, are renamed the same way.
  std::unordered_map<std::string, std::string> renamed;
  const size_t kept = std::min(table.categoryNames.size(), edited.categoryNames.size());
  for (size_t i = 0; i < kept; ++i) {
    if (table.categoryNames[i] != edited.categoryNames[i]) {
      renamed.try_emplace(table.categoryNames[i], edited.categoryNames[i]);
    }
  }
  for (CExtraItem& row : table.rows) {
    auto it = renamed.find(row.category);
    if (it != renamed.end()) row.category = it->second;
  }
  table.categoryNames = edited.categoryNames;
  table.categoryDescriptions = edited.categoryDescriptions;
  app_.doc.m_pExtraFields->copyFrom(table);
  app_.doc.m_pExtraFields->clearRows();
  app_.lifecycle.setModified(true);
  notifyChanged();
}

void ProductTableStep::choosePictureFolder() {
  const std::optional<std::filesystem::path> folder =
      quorvex::choosePictureFolder(app_.frontEnd, table.pictureFolder);
  if (!folder) return;
  table.pictureFolder = folder->string();
  notifyChanged();
}

std::optional<std::filesystem::path> ProductTableStep::choosePictureFile(
    const std::string& current) {
  return chooseImageFile(app_, "Product Picture", current);
}

void ProductTableStep::sortProducts() {
  ProductSortingModel sorting(table);
  if (app_.frontEnd.runDialog(sorting) == DialogResult::kCancel) return;
  sorting.apply(table);
  notifyChanged();
}

void ProductTableStep::setProductFeatures(const std::vector<int32_t>& selectedRows) {
  if (!enhance.beginSetAttribute(ProductAttribute::kProductFeatures, selectedRows)) return;
  std::vector<CFeatureCheck> choices =
      table.rows[static_cast<size_t>(selectedRows.front())].featureSelections;
  FeatureFlagsDialog flags(app_.frontEnd, app_.env.prompter(), table.featureDefinitions, choices);
  if (app_.frontEnd.runDialog(flags) == DialogResult::kCancel) return;
  flags.applyTo(choices);
  enhance.setFeatureSelections(selectedRows, choices);
}

void ProductTableStep::setAllAttributes(const std::vector<int32_t>& selectedRows) {
  if (!enhance.beginSetAll(selectedRows)) return;
  const int32_t row = selectedRows.front();
  SetAllAttributesDialog dialog(
      app_.frontEnd, app_.env.prompter(), table.featureDefinitions,
      table.rows[static_cast<size_t>(row)],
      [this](int32_t column) { return enhance.lockedInSetAll(column); },
      [this](const std::string& current) { return choosePictureFile(current); });
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  enhance.setAllAttributes(row, dialog.values);
}

void ProductTableStep::editFeatureDefinitions() {
  ProductFeaturesDialog features(app_.frontEnd, app_.env.prompter(), table.featureDefinitions);
  if (app_.frontEnd.runDialog(features) == DialogResult::kCancel) return;
  features.applyTo(table);
  notifyChanged();
}

bool ProductTableStep::offersProductListChoice() const {
  return command() == kCmdProductList && !table.inProgram && table.sourcePath.empty();
}

bool ProductTableStep::startProductList(ProductListChoice choice) {
  switch (choice) {
    case ProductListChoice::kCreateNew:
      createNewProductList();
      return true;
    case ProductListChoice::kImport:
      importExternalProductList();
      return true;
    case ProductListChoice::kCancel:
      break;
  }
  return false;
}

void ProductTableStep::takeTable(const CExtraFields& edited) {
  // A failed write has shown its file error; the dialog's rows are still
  // taken, so that Close tries again.
  (void)edited.writeRows(app_.env);
  table.copyFrom(edited);
  app_.doc.m_pExtraFields->copyFrom(edited);
  app_.doc.m_pExtraFields->clearRows();
  app_.lifecycle.setModified(true);
  notifyChanged();
}

}  // namespace quorvex
