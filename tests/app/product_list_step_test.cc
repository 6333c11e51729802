#include <gtest/gtest.h>

#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/create_price_list_model.h"
#include "app/edit_category_names_model.h"
#include "app/product_sorting_model.h"
#include "app/product_table_step.h"
#include "company/brenquil_doc.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

class ProductListStepTest : public AppFixture {
 protected:
  ProductListStepTest() { doc_.m_strCompanyName = "Acme"; }

  // The rows of PriceList.txt, as part number and category.
  std::vector<std::pair<std::string, std::string>> fileRows() {
    CExtraFields reread;
    reread.copyFrom(*doc_.m_pExtraFields);
    EXPECT_TRUE(reread.readRows(env_, true).ok());
    std::vector<std::pair<std::string, std::string>> rows;
    for (const CExtraItem& row : reread.rows) rows.emplace_back(row.partNumber, row.category);
    return rows;
  }

  static DialogAction adding(PriceListItem item, DialogResult button = DialogResult::kOk) {
    return edit<CreatePriceListModel>(
        [item](CreatePriceListModel& list) {
          EXPECT_EQ(list.addItem(item), CreatePriceListModel::ItemResult::kStored);
        },
        button);
  }
};

TEST_F(ProductListStepTest, ConfirmedDialogsReachPriceListTxtAndCancelledOnesChangeNothing) {
  CExtraItem cup = productRow("C1", "Cup", 0);
  cup.category = "Cups";
  writeProducts({cup});
  ProductTableStep step(app_, kCmdProductList);
  ASSERT_TRUE(step.prepare());
  int notified = 0;
  step.subscribe([&notified] { ++notified; });

  // "Create Price List": a cancelled addition leaves the step's rows alone;
  // a confirmed one is written at once and the grid is told.
  frontEnd_.queueDialogs({adding({"B1", "Bowl", "4", "", ""}, DialogResult::kCancel),
                          adding({"B1", "Bowl", "4", "", ""})});
  step.modifyProductList();
  EXPECT_EQ(step.table.rows.size(), 1u);
  step.modifyProductList();
  EXPECT_EQ(step.table.rows.size(), 2u);
  EXPECT_EQ(fileRows(), (std::vector<std::pair<std::string, std::string>>{
                            {"C1", "Cups"}, {"B1", "Our Products"}}));
  EXPECT_EQ(notified, 1);

  // "Edit Category Names": renaming "Cups" renames the file's rows and the
  // step's, and the list keeps its order.
  frontEnd_.queueDialogs({edit<EditCategoryNamesModel>([](EditCategoryNamesModel& names) {
    std::optional<CategoryNameForm> form = names.openCategory(0);
    ASSERT_TRUE(form.has_value());
    form->description = "Mugs";
    names.setCategory(0, *form);
  })});
  step.editCategoryNames();
  EXPECT_EQ(step.table.rows[0].category, "Mugs");
  EXPECT_EQ(doc_.m_pExtraFields->categoryNames, (Texts{"Mugs", "Our Products"}));
  EXPECT_EQ(fileRows(), (std::vector<std::pair<std::string, std::string>>{
                            {"C1", "Mugs"}, {"B1", "Our Products"}}));

  // "Product Sorting" stores its keys in the step's table only.
  frontEnd_.queueDialogs({edit<ProductSortingModel>([](ProductSortingModel& sorting) {
    sorting.keys[0].enabled = true;
    sorting.keys[0].descending = true;
  })});
  step.sortProducts();
  EXPECT_EQ(step.table.sortEnabled, 1);
  EXPECT_EQ(step.table.sortDescending1, 1);

  // "Create New Product List" asks first; No keeps the list, Yes replaces it
  // with the rows of the new "Create Price List".
  prompter_.clear();
  prompter_.queueAnswers({false, true});
  frontEnd_.queueDialogs({adding({"N1", "Napkin", "1", "", "Linen"})});
  step.createNewProductList();
  EXPECT_EQ(step.table.rows.size(), 2u);
  step.createNewProductList();
  EXPECT_EQ(prompter_.texts().size(), 2u);
  EXPECT_EQ(fileRows(), (std::vector<std::pair<std::string, std::string>>{{"N1", "Linen"}}));
  EXPECT_EQ(step.table.rows.size(), 1u);
  EXPECT_TRUE(lifecycle_.modified());
}

}  // namespace
}  // namespace quorvex::testing
