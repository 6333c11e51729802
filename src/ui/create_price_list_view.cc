#include "ui/create_price_list_view.h"

#include <QHBoxLayout>
#include <QTableView>
#include <QVBoxLayout>

#include "app/create_price_list_model.h"
#include "products/extra_fields.h"
#include "products/product_column.h"
#include "ui/button_column.h"
#include "ui/product_grid.h"
#include "ui/product_table_model.h"

namespace quorvex::ui {

CreatePriceListView::CreatePriceListView(CreatePriceListModel& model, std::function<void()> help,
                                         QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent), model_(model) {
  const CExtraFields& table = model.table();
  std::vector<ProductTableModel::Column> columns{ProductTableModel::lineNumberColumn()};
  for (int32_t column :
       {kPartNumberColumn, kCategoryColumn, kDescriptionColumn, kPriceColumn, kWeightColumn}) {
    columns.push_back(ProductTableModel::productColumn(table, column));
  }
  rows_ = new ProductTableModel(table, std::move(columns));
  grid_ = productGrid(rows_);
  connect(grid_, &QTableView::doubleClicked, this, [this] { edit(); });

  auto* row = new QHBoxLayout;
  row->addWidget(grid_, 1);
  row->addLayout(buttonColumn(
      this,
      {{"&Add Item",
        [this, &model = model_] {
          openItem({}, [&model](const PriceListItem& item) { return model.addItem(item); });
        }},
       {"&Insert Item",
        [this, &model = model_] {
          const std::vector<int32_t> lines = selectedLines();
          const int32_t before = lines.empty() ? -1 : lines.front();
          openItem({}, [&model, before](const PriceListItem& item) {
            return model.insertItem(item, before);
          });
        }},
       {"&Edit Item", [this] { edit(); }},
       {"&Delete Item",
        [this, &model = model_] {
          // The model has asked and shown what it did; the grid follows its
          // change notification.
          (void)model.deleteItems(selectedLines());
        }}}));
  body()->addLayout(row);
  resize(880, 440);
}

void CreatePriceListView::reject() {
  if (model_.confirmCancel()) ModelDialog::reject();
}

void CreatePriceListView::showModel() { rows_->reload(); }

std::vector<int32_t> CreatePriceListView::selectedLines() const {
  return selectedTableRows(*grid_);
}

void CreatePriceListView::openItem(const PriceListItem& item, PriceListItemView::Store store) {
  PriceListItemView view(item, model_.table().categoryNames, std::move(store), this);
  view.exec();
}

void CreatePriceListView::edit() {
  const std::vector<int32_t> lines = selectedLines();
  const std::optional<PriceListItem> item = model_.beginEdit(lines);
  if (!item) return;
  const int32_t line = lines.front();
  openItem(*item, [&model = model_, line](const PriceListItem& edited) {
    return model.editItem(line, edited);
  });
}

}  // namespace quorvex::ui
