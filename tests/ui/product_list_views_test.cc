#include <QComboBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>
#include <fstream>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "app/product_sorting_model.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "products/extra_fields.h"
#include "ui/desktop_app.h"
#include "ui/product_sorting_view.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

using Messages = std::vector<std::string>;

class ProductListViewsTest : public SampleAppFixture {
 protected:
  // The part numbers and categories of PriceList.txt.
  std::vector<std::string> fileRows() {
    CExtraFields reread;
    reread.copyFrom(*doc().m_pExtraFields);
    EXPECT_TRUE(reread.loadRows(app_->env()).ok());
    std::vector<std::string> rows;
    for (const CExtraItem& row : reread.rows) rows.push_back(row.partNumber + "/" + row.category);
    return rows;
  }

  static int gridLines(QWidget& window) {
    return window.findChild<QTableView*>()->model()->rowCount();
  }
};

TEST_F(ProductListViewsTest, AnItemTypedWithOkReachesPriceListTxtAndCancelKeepsNothing) {
  const std::vector<std::string> before = fileRows();
  int linesAfterAdding = 0;
  driver_.on("Create Or Import Product List",
             inOrder({[](QWidget& w) { click(w, "&Modify Product List"); },
                      [&](QWidget& w) {
                        linesAfterAdding = gridLines(w);
                        click(w, "&Close");
                      }}));
  driver_.on("Create Price List", inOrder({[](QWidget& w) { click(w, "&Add Item"); },
                                           [](QWidget& w) { click(w, "OK"); }}));
  driver_.on("Price List Item", inOrder({[](QWidget& w) {
                                          typeInto(w, "&Part Number:", "ZX-9");
                                          click(w, "OK");
                                        },
                                        [](QWidget& w) {
                                          typeInto(w, "&Description:", "Zither");
                                          typeInto(w, "P&rice:", "99.50");
                                          click(w, "OK");
                                        }}));
  run(kCmdProductList);
  ASSERT_FALSE(driver_.messages.empty());
  EXPECT_EQ(driver_.messages.back(), "Sorry, you must enter a Description for this item.");
  std::vector<std::string> expected = before;
  expected.push_back("ZX-9/Our Products");
  EXPECT_EQ(fileRows(), expected);
  EXPECT_EQ(linesAfterAdding, static_cast<int>(expected.size()));
  EXPECT_TRUE(app_->lifecycle().modified());

  // An item added and then thrown away with Cancel, which asks first.
  driver_.messages.clear();
  driver_.on("Create Or Import Product List",
             inOrder({[](QWidget& w) { click(w, "&Modify Product List"); },
                      [](QWidget& w) { cancel(w); }}));
  driver_.on("Create Price List", inOrder({[](QWidget& w) { click(w, "&Add Item"); },
                                           [](QWidget& w) { click(w, "Cancel"); }}));
  driver_.on("Price List Item", inOrder({[](QWidget& w) {
                                          typeInto(w, "&Part Number:", "Q1");
                                          typeInto(w, "&Description:", "Quill");
                                          typeInto(w, "P&rice:", "3");
                                          click(w, "OK");
                                        }}));
  run(kCmdProductList);
  EXPECT_EQ(driver_.messages,
            Messages{"Are you sure you want to destroy the changes you've made?"});
  EXPECT_EQ(fileRows(), expected);
}

TEST_F(ProductListViewsTest, ACategoryRenamedInCategoryNameRenamesTheRows) {
  ASSERT_FALSE(doc().m_pExtraFields->isImported());
  const std::vector<std::string> before = fileRows();
  ASSERT_FALSE(before.empty());
  // The first category listed is that of the first row.
  driver_.on("Create Or Import Product List",
             inOrder({[](QWidget& w) { click(w, "&Edit Category Names"); },
                      [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Edit Category Names", inOrder({[](QWidget& w) { click(w, "&Edit"); },
                                             [](QWidget& w) {
                                               auto* list = w.findChild<QTreeWidget*>();
                                               list->setCurrentItem(list->topLevelItem(0));
                                               click(w, "&Edit");
                                             },
                                             [](QWidget& w) { click(w, "OK"); }}));
  driver_.on("Category Name", inOrder({[](QWidget& w) {
                                        typeInto(w, "D&escription:", "Renamed Things");
                                        click(w, "OK");
                                      }}));
  run(kCmdProductList);
  EXPECT_EQ(driver_.messages, Messages{"No category is currently selected"});
  ASSERT_FALSE(doc().m_pExtraFields->categoryNames.empty());
  EXPECT_EQ(doc().m_pExtraFields->categoryNames.front(), "Renamed Things");
  const std::string category = before.front().substr(before.front().find('/'));
  std::vector<std::string> expected;
  for (const std::string& row : before) {
    const size_t slash = row.find('/');
    expected.push_back(row.substr(slash) == category ? row.substr(0, slash) + "/Renamed Things"
                                                      : row);
  }
  EXPECT_EQ(fileRows(), expected);
}

TEST_F(ProductListViewsTest, TheImportWizardPreviewFollowsTheDelimiterAndFinishLinksTheFile) {
  const std::filesystem::path external = home() / "kites.txt";
  std::ofstream(external) << "K1\tKite, red\t12.50\tToys\nK2\tKazoo\t3.00\tToys\n";
  auto previewColumns = [](QWidget& w) {
    return w.findChildren<QTableWidget*>().front()->columnCount();
  };
  int commaColumns = 0;
  int tabColumns = 0;
  driver_.on("Create Or Import Product List",
             inOrder({[](QWidget& w) { click(w, "&Advanced >>"); },
                      [](QWidget& w) { click(w, "Import External Product List"); },
                      [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("QFileDialog", [&](QWidget& dialog) { chooseFile(dialog, external); });
  driver_.on("Import Wizard",
             inOrder({[&](QWidget& w) {
                        commaColumns = previewColumns(w);
                        click(w, "&Tab");
                      },
                      [&](QWidget& w) {
                        tabColumns = previewColumns(w);
                        click(w, "&Next >");
                      },
                      [](QWidget& w) {
                        // Columns 0 to 2 labelled through "Select Label".
                        for (QTableWidget* table : w.findChildren<QTableWidget*>()) {
                          if (!table->isVisible()) continue;
                          for (int column = 0; column < 3; ++column) {
                            emit table->horizontalHeader()->sectionClicked(column);
                          }
                        }
                        click(w, "&Next >");
                      },
                      [](QWidget& w) { click(w, "&Finish"); }}));
  auto choosing = [](const char* label) {
    return [label](QWidget& w) {
      for (QRadioButton* button : w.findChildren<QRadioButton*>()) {
        if (button->text() == label) button->setChecked(true);
      }
      click(w, "OK");
    };
  };
  driver_.on("Select Label",
             inOrder({choosing("Part Number"), choosing("Description"), choosing("Price")}));
  run(kCmdProductList);
  EXPECT_EQ(driver_.messages,
            Messages{"Your current database is managed from within Quorvex.\nIf you continue "
                     "importing, your current database will be overwritten.\n       Do you want "
                     "to continue?"});
  EXPECT_EQ(commaColumns, 2);
  EXPECT_EQ(tabColumns, 4);
  const CExtraFields& table = *doc().m_pExtraFields;
  EXPECT_TRUE(table.isImported());
  EXPECT_EQ(table.sourcePath, external.string());
  EXPECT_EQ(table.delimiter, '\t');
  std::vector<std::string> parts;
  for (const std::string& row : fileRows()) parts.push_back(row.substr(0, row.find('/')));
  EXPECT_EQ(parts, (std::vector<std::string>{"K1", "K2"}));
}

TEST_F(ProductListViewsTest, EnhanceSetsTheFeaturedStateOfTheSelectedLinesAndFiltersByIt) {
  int featuredLines = -1;
  driver_.on("Enhance Product Descriptions",
             inOrder({[](QWidget& w) { click(w, "&Featured Item"); },
                      [](QWidget& w) {
                        auto* grid = w.findChild<QTableView*>();
                        grid->selectRow(0);
                        grid->selectionModel()->select(
                            grid->model()->index(1, 0),
                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
                        click(w, "&Featured Item");
                      },
                      [&](QWidget& w) {
                        auto* filter = qobject_cast<QComboBox*>(fieldNamed(w, "Filter Products &by:"));
                        filter->setCurrentIndex(filter->findText("Featured"));
                        emit filter->activated(filter->currentIndex());
                        featuredLines = gridLines(w);
                        click(w, "&Close");
                      }}));
  driver_.on("Featured Item Flag", inOrder({[](QWidget& w) {
                                             for (QRadioButton* button : w.findChildren<QRadioButton*>()) {
                                               if (button->text() == "&Featured Item") button->setChecked(true);
                                             }
                                             click(w, "OK");
                                           }}));
  run(kCmdEnhanceProducts);
  ASSERT_FALSE(driver_.messages.empty());
  EXPECT_EQ(driver_.messages.front(), "Please, select one or more items you wish to set.");
  CExtraFields reread;
  reread.copyFrom(*doc().m_pExtraFields);
  ASSERT_TRUE(reread.loadRows(app_->env()).ok());
  ASSERT_GE(reread.rows.size(), 2u);
  EXPECT_EQ(reread.rows[0].featureFlag, 0);
  EXPECT_EQ(reread.rows[1].featureFlag, 0);
  int featured = 0;
  for (const CExtraItem& row : reread.rows) featured += row.featureFlag == 0 ? 1 : 0;
  EXPECT_EQ(featuredLines, featured);
}

TEST_F(ProductListViewsTest, ProductPictureBrowsesThroughTheFrontEndsFileDialog) {
  const std::filesystem::path picture = home() / "Sample" / "Pictures" / "bivy.png";
  driver_.on("Enhance Product Descriptions",
             inOrder({[](QWidget& w) {
                        w.findChild<QTableView*>()->selectRow(1);
                        click(w, "P&icture");
                      },
                      [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Product Picture", inOrder({[](QWidget& w) { click(w, "&Browse"); },
                                         [](QWidget& w) { click(w, "OK"); }}));
  driver_.on("QFileDialog", [&picture](QWidget& dialog) { chooseFile(dialog, picture); });
  run(kCmdEnhanceProducts);
  CExtraFields reread;
  reread.copyFrom(*doc().m_pExtraFields);
  ASSERT_TRUE(reread.loadRows(app_->env()).ok());
  ASSERT_GE(reread.rows.size(), 2u);
  EXPECT_EQ(reread.rows[1].picture, picture.string());
  EXPECT_EQ(reread.rows[1].pictureFlag, 2) << "a chosen file checks \"Picture file\"";
}

TEST_F(ProductListViewsTest, ProductSortingTakesTheChosenKeysOnlyWithOk) {
  CExtraFields table;
  table.inProgram = 1;
  for (bool ok : {false, true}) {
    ProductSortingModel model(table);
    ui::ProductSortingView view(model, [] {}, nullptr);
    driver_.on("Product Sorting", inOrder({[ok](QWidget& w) {
                 click(w, "&Then by:");
                 if (ok) {
                   click(w, "OK");
                 } else {
                   cancel(w);
                 }
               }}));
    if (view.run() == DialogResult::kOk) model.apply(table);
    EXPECT_EQ(table.sortThenEnabled, ok ? 1 : 0);
    EXPECT_EQ(table.sortEnabled, 0);
  }
}

}  // namespace
}  // namespace quorvex::testing
