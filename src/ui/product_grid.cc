#include "ui/product_grid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>
#include <algorithm>

#include "ui/product_table_model.h"

namespace quorvex::ui {

QTableView* productGrid(ProductTableModel* rows) {
  auto* grid = new QTableView;
  grid->setModel(rows);
  rows->setParent(grid);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setWordWrap(false);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
  grid->horizontalHeader()->setStretchLastSection(true);
  sizeColumns(*grid);
  grid->setMinimumSize(560, 260);
  return grid;
}

void sizeColumns(QTableView& grid) {
  const auto* rows = static_cast<const ProductTableModel*>(grid.model());
  const int charWidth = grid.fontMetrics().averageCharWidth();
  for (int column = 0; column < rows->columnCount(); ++column) {
    grid.setColumnWidth(column, rows->columnWidth(column) * charWidth + 12);
  }
}

std::vector<int32_t> selectedTableRows(const QTableView& grid) {
  const auto* rows = static_cast<const ProductTableModel*>(grid.model());
  std::vector<int> lines;
  for (const QModelIndex& index : grid.selectionModel()->selectedRows()) {
    lines.push_back(index.row());
  }
  std::sort(lines.begin(), lines.end());
  std::vector<int32_t> selected;
  selected.reserve(lines.size());
  for (int line : lines) selected.push_back(rows->tableRow(line));
  return selected;
}

}  // namespace quorvex::ui
