#include "ui/product_list_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/product_table_step.h"
#include "products/product_column.h"
#include "ui/button_column.h"
#include "ui/product_grid.h"
#include "ui/product_table_model.h"

namespace quorvex::ui {

ProductListView::ProductListView(ProductTableStep& model, std::function<void()> help,
                                 QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent), model_(model) {
  std::vector<ProductTableModel::Column> columns{ProductTableModel::lineNumberColumn()};
  for (int32_t column :
       {kPartNumberColumn, kCategoryColumn, kDescriptionColumn, kPriceColumn, kWeightColumn}) {
    columns.push_back(ProductTableModel::productColumn(model.table, column));
  }
  rows_ = new ProductTableModel(model.table, std::move(columns));
  grid_ = productGrid(rows_);

  auto* intro = new QLabel(
      "The products of your shop. Modify the list here, or link it to a file exported by "
      "another program with Advanced.");
  intro->setWordWrap(true);

  QVBoxLayout* buttons =
      buttonColumn(this, {{"&Modify Product List", [&model = model_] { model.modifyProductList(); }},
                          {"&Edit Category Names", [&model = model_] { model.editCategoryNames(); }}});
  advancedButton_ = new QPushButton("&Advanced >>");
  advancedButton_->setAutoDefault(false);
  connect(advancedButton_, &QPushButton::clicked, this, [this] { toggleAdvanced(); });
  buttons->insertWidget(buttons->count() - 1, advancedButton_);

  advanced_ = new QWidget;
  auto* advancedButtons = new QVBoxLayout(advanced_);
  advancedButtons->setContentsMargins(0, 0, 0, 0);
  advancedButtons->addLayout(buttonColumn(
      this, {{"Create New Product List", [&model = model_] { model.createNewProductList(); }},
             {"Import External Product List",
              [&model = model_] { model.importExternalProductList(); }},
             {"Image File Path", [&model = model_] { model.choosePictureFolder(); }}}));
  advanced_->hide();
  buttons->insertWidget(buttons->count() - 1, advanced_);

  auto* row = new QHBoxLayout;
  row->addWidget(grid_, 1);
  row->addLayout(buttons);
  body()->addWidget(intro);
  body()->addLayout(row);
  resize(900, 460);
}

void ProductListView::showModel() { rows_->reload(); }

void ProductListView::toggleAdvanced() {
  const bool show = advanced_->isHidden();
  advanced_->setVisible(show);
  advancedButton_->setText(show ? "&Simple <<" : "&Advanced >>");
}

}  // namespace quorvex::ui
