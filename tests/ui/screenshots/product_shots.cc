#include "screenshots/product_shots.h"

#include <cstdio>
#include <fstream>

#include "app/command_ids.h"
#include "app/create_price_list_model.h"
#include "app/edit_category_names_model.h"
#include "app/import_wizard_model.h"
#include "app/product_sorting_model.h"
#include "platform/env.h"
#include "products/category_name_form.h"
#include "products/extra_fields.h"
#include "products/import_wizard.h"
#include "products/product_column.h"
#include "ui/category_name_view.h"
#include "ui/create_price_list_view.h"
#include "ui/edit_category_names_view.h"
#include "ui/import_wizard_view.h"
#include "ui/main_window.h"
#include "ui/price_list_item_view.h"
#include "ui/product_sorting_view.h"

namespace quorvex::ui {

void captureProductList(MainWindow& window, const Env& env, const CExtraFields& documentTable,
                        const std::function<void(const QString&, const QString&)>& expectShown,
                        const std::function<void(QWidget&, const QString&)>& capture) {
  const auto noHelp = [] {};
  expectShown("Create Or Import Product List", "Create Or Import Product List");
  window.runCommand(kCmdProductList);

  CExtraFields table;
  table.copyFrom(documentTable);
  if (!table.loadRows(env).ok()) std::fprintf(stderr, "the sample's products were not read\n");
  CreatePriceListModel priceList(table, env.prompter());
  CreatePriceListView priceListView(priceList, noHelp, &window);
  capture(priceListView, "Create Price List");

  PriceListItem item{"TENT-2P", "Two-person dome tent", "189.00", "2.4", ""};
  if (!table.categoryNames.empty()) item.category = table.categoryNames.front();
  PriceListItemView itemView(
      item, table.categoryNames,
      [](const PriceListItem&) { return CreatePriceListModel::ItemResult::kStored; }, &window);
  capture(itemView, "Price List Item");

  EditCategoryNamesModel categories(env, table);
  EditCategoryNamesView categoriesView(categories, noHelp, &window);
  capture(categoriesView, "Edit Category Names");
  CategoryNameForm form = CategoryNameForm::open("Tents", "Tents and Shelters");
  CategoryNameView formView(form, &window);
  capture(formView, "Category Name");

  expectShown("Enhance Product Descriptions", "Enhance Product Descriptions");
  window.runCommand(kCmdEnhanceProducts);

  // The import wizard on a tab-delimited export with a header line.
  const std::filesystem::path exported = env.home() / "inventory-export.txt";
  std::ofstream(exported) << "SKU\tItem\tPrice\tGroup\n"
                             "LAMP-1\tHead lamp 300 lm\t34.90\tLighting\n"
                             "LAMP-2\tLantern, folding\t24.50\tLighting\n"
                             "KNIFE-S\tPocket knife\t19.00\tTools\n";
  CExtraFields imported;
  imported.copyFrom(documentTable);
  imported.inProgram = 0;
  ImportWizard wizard(env, imported);
  if (!wizard.start(exported.string())) std::fprintf(stderr, "the export was not read\n");
  wizard.setDelimiter('\t');
  wizard.setStartRow(2);
  ImportWizardModel wizardModel(wizard, window);
  ImportWizardView wizardView(wizardModel, noHelp, &window);
  capture(wizardView, "Import Wizard - Choose a Delimiter Type");
  const int32_t labels[] = {kPartNumberColumn, kDescriptionColumn, kPriceColumn, kCategoryColumn};
  for (int32_t position = 0; position < 4; ++position) {
    if (!wizard.chooseLabel(position, labels[position])) {
      std::fprintf(stderr, "the label of column %d was refused\n", position);
    }
  }
  wizardView.next();
  capture(wizardView, "Import Wizard - Label Columns");
  wizardView.next();
  capture(wizardView, "Import Wizard - Descriptive Category Names");

  ProductSortingModel sorting(table);
  sorting.keys[0].enabled = true;
  sorting.keys[1].enabled = true;
  ProductSortingView sortingView(sorting, noHelp, &window);
  capture(sortingView, "Product Sorting");
}

}  // namespace quorvex::ui
