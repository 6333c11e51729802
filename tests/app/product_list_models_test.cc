#include <gtest/gtest.h>

#include "app/create_price_list_model.h"
#include "app/edit_category_names_model.h"
#include "app/enhance_products_model.h"
#include "app/product_sorting_model.h"
#include "products/product_column.h"
#include "products/product_list_conversion.h"
#include "products/product_table_fixture.h"

namespace quorvex {
namespace {

using Texts = std::vector<std::string>;

class ProductListModelsTest : public testing::ProductTableFixture {
 protected:
  ProductListModelsTest() { table_.inProgram = 1; }

  void addRows(std::initializer_list<const char*> parts) {
    for (const char* part : parts) {
      ASSERT_TRUE(table_.addRow(part, -1));
      table_.selectRow(part);
      table_.setText(kCategoryColumn, "Cups");
    }
    table_.currentRow = -1;
  }
};

TEST_F(ProductListModelsTest, PriceListItemRules) {
  const struct {
    PriceListItem item;
    const char* message;
  } refused[] = {
      {{"", "d", "1", "", ""}, "Sorry, you must enter a Part Number for this item."},
      {{"P", "", "", "", ""}, "Sorry, you must enter a Description for this item."},
      {{"P", "d", "", "", ""}, "Sorry, you must enter a Price for this item."},
      {{"P", "d", "1", "", "5\" disks"}, "Sorry, but category names cannot contain double quotes."},
  };
  for (const auto& test : refused) {
    prompter_.clear();
    PriceListItem item = test.item;
    EXPECT_FALSE(item.checkAndComplete(prompter_));
    EXPECT_EQ(prompter_.texts(), Texts{test.message});
  }
  PriceListItem item{"P", "Pen", "1", "", ""};
  EXPECT_TRUE(item.checkAndComplete(prompter_));
  EXPECT_EQ(item.weight, "0");
  EXPECT_EQ(item.category, "Our Products");
}

TEST_F(ProductListModelsTest, CreatePriceListAddInsertEditDelete) {
  CreatePriceListModel model(table_, prompter_);
  int changes = 0;
  model.subscribe([&] { ++changes; });
  using Result = CreatePriceListModel::ItemResult;
  EXPECT_EQ(model.addItem({"B", "Bowl", "4", "", ""}), Result::kStored);
  EXPECT_EQ(model.addItem({"C", "Cup", "2", "0.3", "Cups"}), Result::kStored);
  EXPECT_EQ(model.insertItem({"A", "Ash tray", "1", "", "Misc"}, -1), Result::kStored);
  EXPECT_EQ(model.insertItem({"AB", "Apron", "9", "", "Misc"}, 1), Result::kStored);
  EXPECT_EQ(partNumbers(), (Texts{"A", "AB", "B", "C"}));
  EXPECT_EQ(table_.rows[2].weight, "0");
  EXPECT_EQ(table_.rows[2].category, "Our Products");
  EXPECT_EQ(table_.categoryNames, (Texts{"Our Products", "Cups", "Misc"}));
  EXPECT_EQ(model.addItem({"C", "Copy", "2", "", ""}), Result::kReopen);
  EXPECT_EQ(model.addItem({"D", "", "2", "", ""}), Result::kStayOpen);
  EXPECT_EQ(table_.rows.size(), 4u);

  EXPECT_FALSE(model.beginEdit({}));
  EXPECT_FALSE(model.beginEdit({0, 1}));
  std::optional<PriceListItem> edited = model.beginEdit({3});
  ASSERT_TRUE(edited);
  EXPECT_EQ(edited->description, "Cup");
  edited->price = "2.50";
  EXPECT_EQ(model.editItem(3, *edited), Result::kStored);
  EXPECT_EQ(table_.rows[3].price, "2.50");
  edited->partNumber = "B";
  EXPECT_EQ(model.editItem(3, *edited), Result::kReopen);
  edited->partNumber = "E";
  edited->category = "Mugs";
  EXPECT_EQ(model.editItem(3, *edited), Result::kStored);
  EXPECT_EQ(table_.findRow("E"), 3);
  EXPECT_EQ(table_.categoryNames.back(), "Mugs");

  EXPECT_FALSE(model.deleteItems({}));
  prompter_.queueAnswers({false, true, true});
  EXPECT_FALSE(model.deleteItems({0, 2}));
  EXPECT_TRUE(model.deleteItems({0, 2}));
  EXPECT_EQ(partNumbers(), (Texts{"AB", "E"}));
  EXPECT_TRUE(model.deleteItems({1}));
  EXPECT_EQ(changes, 8) << "one notice per stored item and per deletion, none for a refusal";
  EXPECT_FALSE(model.confirmCancel());
  const std::string in_use =
      "The Part Number you specified is already in use by another item in the database.";
  EXPECT_EQ(prompter_.texts(),
            (Texts{in_use, "Sorry, you must enter a Description for this item.",
                   "Please, select an item you wish to edit.",
                   "Sorry, you may only edit one item at a time.\nPlease, select only one row "
                   "and try again.",
                   in_use, "Please, select one or more items you wish to delete.",
                   "Are you sure you want to delete these items?",
                   "Are you sure you want to delete these items?",
                   "Are you sure you want to delete this item?",
                   "Are you sure you want to destroy the changes you've made?"}));
}

TEST_F(ProductListModelsTest, EnhanceFilters) {
  addRows({"1", "2", "3", "4"});
  table_.rows[0].pictureFlag = 2;
  table_.rows[1].publishState = 1;
  table_.rows[2].featureFlag = 0;
  table_.rows[3].downloadFlag = 1;
  table_.rows[3].linkFlag = 2;
  table_.rows[2].category = "none";
  table_.rows[3].category = "Pots";
  table_.categoryNames = {"Cups", "Pots", "none"};
  table_.categoryDescriptions = {"Cups and Mugs", "Pots", "Our Products"};
  EnhanceProductsModel model(env_, table_);
  const Texts entries = model.filterEntries();
  ASSERT_EQ(entries.size(), 15u);
  EXPECT_EQ(entries[0], "All Products");
  EXPECT_EQ(entries[12], "Not Downloaded");
  EXPECT_EQ(entries[13], "Cups and Mugs");
  EXPECT_EQ(entries[14], "Pots");
  using Rows = std::vector<int32_t>;
  EXPECT_EQ(model.rowsShown("All Products"), (Rows{0, 1, 2, 3}));
  EXPECT_EQ(model.rowsShown("With Thumbnails"), Rows{0});
  EXPECT_EQ(model.rowsShown("Without Thumbnails"), (Rows{1, 2, 3}));
  EXPECT_EQ(model.rowsShown("External Links"), Rows{3});
  EXPECT_EQ(model.rowsShown("Not Published"), Rows{1});
  EXPECT_EQ(model.rowsShown("Featured"), Rows{2});
  EXPECT_EQ(model.rowsShown("Downloaded"), Rows{3});
  EXPECT_EQ(model.rowsShown("Cups and Mugs"), (Rows{0, 1}));
  EXPECT_EQ(model.rowsShown("Our Products"), Rows{});
  EXPECT_EQ(model.categoryShown(2), "Our Products");
}

TEST_F(ProductListModelsTest, EnhanceSetsAnAttributeOnTheSelectedRows) {
  addRows({"1", "2", "3"});
  table_.rows[1].featureFlag = 0;
  EnhanceProductsModel model(env_, table_);
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kFeaturedItem, {}));
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kProductFeatures, {0}));
  prompter_.queueAnswers({false, true});
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kFeaturedItem, {0, 1, 2}));
  EXPECT_TRUE(model.beginSetAttribute(ProductAttribute::kFeaturedItem, {0, 1, 2}));
  model.setFeatureFlag({0, 1, 2}, 0);
  EXPECT_EQ(model.rowsShown("Featured"), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_TRUE(model.beginSetAttribute(ProductAttribute::kFeaturedItem, {0, 1, 2}));
  EXPECT_TRUE(model.beginSetAttribute(ProductAttribute::kLink, {0, 2}));
  model.setLink({0, 2}, "http://shop.example", 2);
  model.setDownload({1}, "a.zip", "pw", 1, 1);
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kDownloadItem, {0, 1}));
  EXPECT_EQ(table_.rows[2].link, "http://shop.example");
  EXPECT_EQ(table_.rows[1].linkFlag, 0);
  const std::string differ = "Not all the products selected currently have the same ";
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, select one or more items you wish to set.",
                   "You have no product features to select.  Please add one or more before "
                   "doing this.",
                   differ + "featured state.\nDo you want to continue?",
                   differ + "featured state.\nDo you want to continue?",
                   differ + "download specified.\nDo you want to continue?"}));

  prompter_.clear();
  EXPECT_FALSE(model.beginSetAll({}));
  EXPECT_FALSE(model.beginSetAll({0, 1}));
  EXPECT_TRUE(model.beginSetAll({1}));
  CExtraItem values = table_.rows[1];
  values.taxFlag = 0;
  values.salesDescription = "Best";
  values.pictureFlag = 1;
  model.setAllAttributes(1, values);
  EXPECT_EQ(table_.rows[1].taxFlag, 0);
  EXPECT_EQ(table_.rows[1].salesDescription, "Best");
  EXPECT_EQ(table_.rows[1].pictureFlag, 1);
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Please, select an item you wish to set.",
                   "Sorry, you may only set all of the attributes of one item at a time.\n"
                   "Please, select only one row and try again."}));
}

TEST_F(ProductListModelsTest, ImportedColumnsAskBeforeConverting) {
  addRows({"1", "2"});
  table_.inProgram = 0;
  table_.sourcePath = "stock.csv";
  table_.columnIndex[kLinkColumn] = 3;
  table_.columnIndex[kSalesDescriptionColumn] = 4;
  EnhanceProductsModel model(env_, table_);
  EXPECT_TRUE(model.lockedInSetAll(kLinkColumn));
  EXPECT_TRUE(model.lockedInSetAll(kSalesDescriptionColumn));
  EXPECT_FALSE(model.lockedInSetAll(kPictureColumn));
  const std::string first =
      "This field was imported from an external data source.\nYou may only modify this field "
      "through the program used to create the original database.\nIf you would like to "
      "maintain the database ONLY from within Quorvex, your database can be copied.\n\n  Would "
      "you like to maintain your database from Quorvex only?";
  const std::string second =
      "If your database is copied, then Quorvex will no longer update it with the originally "
      "imported file.  Any changes you make to the original database will not take effect "
      "within Quorvex.\n\nAre you sure you want to continue?";
  prompter_.queueAnswers({false});
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kLink, {0}));
  prompter_.queueAnswers({true, false});
  EXPECT_FALSE(model.beginSetAttribute(ProductAttribute::kLink, {0}));
  EXPECT_EQ(table_.inProgram, 0);
  // The picture is not imported: no question.
  EXPECT_TRUE(model.beginSetAttribute(ProductAttribute::kPicture, {0}));
  // Set All Attributes leaves the imported columns as they are.
  CExtraItem values = table_.rows[0];
  values.link = "http://changed";
  values.salesDescription = "changed";
  values.picture = "p.gif";
  values.pictureFlag = 2;
  model.setAllAttributes(0, values);
  EXPECT_EQ(table_.rows[0].link, "http://");
  EXPECT_EQ(table_.rows[0].salesDescription, "");
  EXPECT_EQ(table_.rows[0].picture, "p.gif");

  prompter_.queueAnswers({true, true});
  EXPECT_TRUE(model.beginSetAttribute(ProductAttribute::kLink, {0}));
  EXPECT_EQ(prompter_.texts(), (Texts{first, first, second, first, second}));
  EXPECT_EQ(table_.inProgram, 1);
  EXPECT_EQ(table_.sourcePath, priceList().string());
  EXPECT_EQ(table_.rows.size(), 2u);
  EXPECT_FALSE(model.lockedInSetAll(kLinkColumn));
}

TEST_F(ProductListModelsTest, ConversionQuestions) {
  ProductListConversion conversion(env_);
  prompter_.queueAnswers({false, true});
  EXPECT_FALSE(conversion.confirmCreateNew(table_));
  EXPECT_TRUE(conversion.confirmModify(table_));
  table_.inProgram = 0;
  EXPECT_TRUE(conversion.confirmCreateNew(table_));  // no product list yet
  table_.sourcePath = "stock.csv";
  EXPECT_TRUE(conversion.confirmCreateNew(table_));
  prompter_.queueAnswers({false});
  EXPECT_FALSE(conversion.confirmModify(table_));
  EXPECT_EQ(prompter_.texts(),
            (Texts{"A previously created database already exists for this company.\nThis "
                   "operation will delete the old database.  Do you want to continue?",
                   "An imported database is currently being used for this company.\nCreating a "
                   "database will overwrite the current database.\n     Do you want to continue?",
                   "You are currently using a database imported from an external source.\nAny "
                   "modifications would normally be made from there as well.\nThis operation "
                   "will copy the current database and allow you to modify it here.\nDo you want "
                   "to continue?"}));

  writePriceList("4.2b", {"\"P\",\"Pen\",\"1\",\"0\",Office"});
  ASSERT_TRUE(conversion.startNewList(table_));
  EXPECT_EQ(table_.inProgram, 1);
  EXPECT_EQ(testing::readFile(priceList()), "Warning: This file was generated by Quorvex 4.2b\r\n");
}

TEST_F(ProductListModelsTest, CategoryNamesOfAnInProgramTableRenameTheRows) {
  writePriceList("4.2b", {"\"1\",\"Cup\",\"1\",\"0\",Cups", "\"2\",\"Pot\",\"1\",\"0\",Pots",
                          "\"3\",\"Mug\",\"1\",\"0\",Cups"});
  ASSERT_TRUE(table_.readRows(env_, true).ok());
  table_.clearRows();
  prompter_.clear();
  EditCategoryNamesModel model(env_, table_);
  EXPECT_FALSE(model.openCategory(-1));
  EXPECT_EQ(prompter_.texts(), Texts{"No category is currently selected"});
  std::optional<CategoryNameForm> form = model.openCategory(0);
  ASSERT_TRUE(form);
  EXPECT_EQ(form->category, "Cups");
  EXPECT_EQ(form->description, "Cups");
  EXPECT_FALSE(form->descriptionReadOnly());
  form->description = "Mugs";
  model.setCategory(0, *form);
  EXPECT_EQ(table_.categoryNames, (Texts{"Mugs", "Pots"}));
  ASSERT_TRUE(model.confirm());
  ASSERT_TRUE(table_.readRows(env_, true).ok());
  EXPECT_EQ(table_.rows[0].category, "Mugs");
  EXPECT_EQ(table_.rows[1].category, "Pots");
  EXPECT_EQ(table_.rows[2].category, "Mugs");
}

TEST_F(ProductListModelsTest, CategoryNamesOfAnImportedTableKeepTheName) {
  table_.inProgram = 0;
  table_.categoryNames = {"Toys"};
  table_.categoryDescriptions = {"DO NOT PUBLISH"};
  EditCategoryNamesModel model(env_, table_);
  std::optional<CategoryNameForm> form = model.openCategory(0);
  ASSERT_TRUE(form);
  EXPECT_TRUE(form->doNotPublish);
  EXPECT_TRUE(form->descriptionReadOnly());
  EXPECT_EQ(form->description, "");
  form->doNotPublish = false;
  form->description = "Toys for all";
  model.setCategory(0, *form);
  EXPECT_EQ(table_.categoryDescriptions, Texts{"Toys for all"});
  form->doNotPublish = true;
  model.setCategory(0, *form);
  EXPECT_EQ(table_.categoryNames, Texts{"Toys"});
  EXPECT_EQ(table_.categoryDescriptions, Texts{"DO NOT PUBLISH"});
  EXPECT_TRUE(model.confirm());
}

TEST_F(ProductListModelsTest, ProductSorting) {
  table_.inProgram = 0;
  table_.columnIndex[kDescriptionColumn] = 1;
  table_.sortEnabled = 1;
  table_.sortKey1 = kDescriptionColumn;
  table_.sortDescending1 = 1;
  table_.sortKey2 = kPriceColumn;  // not offered: no Price column
  ProductSortingModel model(table_);
  EXPECT_EQ(model.choices(), (std::vector<int32_t>{1, 5, 9, 8, 11, 14, 15}));
  EXPECT_TRUE(model.keys[0].enabled);
  EXPECT_TRUE(model.keys[0].descending);
  EXPECT_EQ(model.keys[0].column, kDescriptionColumn);
  EXPECT_EQ(model.keys[1].column, kDescriptionColumn);
  EXPECT_FALSE(model.keys[1].enabled);
  model.keys[1] = {true, kUploadFlagColumn, true};
  model.apply(table_);
  EXPECT_EQ(table_.sortThenEnabled, 1);
  EXPECT_EQ(table_.sortKey2, kUploadFlagColumn);
  EXPECT_EQ(table_.sortDescending2, 1);
  EXPECT_EQ(table_.sortThen2Enabled, 0);
}

}  // namespace
}  // namespace quorvex
