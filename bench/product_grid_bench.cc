// Opening the product grid over 100,000 rows on the offscreen platform:
// the time from an empty window to the grid shown with its first lines
// painted, and the time to scroll to the last line and paint it. The rows
// are made in memory; the grid reads only the lines it shows.
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>
#include <cstdio>
#include <string>

#include "products/extra_fields.h"
#include "products/product_column.h"
#include "ui/product_grid.h"
#include "ui/product_table_model.h"

namespace quorvex {
namespace {

constexpr int kRows = 100000;

void fillTable(CExtraFields& table) {
  table.rows.resize(kRows);
  for (int i = 0; i < kRows; ++i) {
    CExtraItem& row = table.rows[static_cast<size_t>(i)];
    row.partNumber = "P" + std::to_string(i);
    row.description = "Product number " + std::to_string(i);
    row.price = std::to_string(i % 1000) + ".95";
    row.weight = std::to_string(i % 20);
    row.category = "Category " + std::to_string(i % 40);
  }
}

// Milliseconds until `grid` has painted what it shows.
double paint(QTableView& grid, QElapsedTimer& timer) {
  grid.viewport()->repaint();
  QApplication::processEvents();
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace
}  // namespace quorvex

int main(int argc, char** argv) {
  using namespace quorvex;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  CExtraFields table;
  fillTable(table);

  QElapsedTimer timer;
  timer.start();
  std::vector<ui::ProductTableModel::Column> columns{ui::ProductTableModel::lineNumberColumn()};
  for (int32_t column :
       {kPartNumberColumn, kCategoryColumn, kDescriptionColumn, kPriceColumn, kWeightColumn}) {
    columns.push_back(ui::ProductTableModel::productColumn(table, column));
  }
  QTableView* grid = ui::productGrid(new ui::ProductTableModel(table, std::move(columns)));
  grid->resize(760, 440);
  grid->show();
  const double opened = paint(*grid, timer);

  timer.restart();
  grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
  const double scrolled = paint(*grid, timer);

  timer.restart();
  for (int step = 0; step < 100; ++step) {
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum() * step / 100);
    grid->viewport()->repaint();
  }
  const double perPage = static_cast<double>(timer.nsecsElapsed()) / 1e6 / 100;

  std::printf("product grid over %d rows: opened and painted in %.1f ms, "
              "scrolled to the end in %.1f ms, %.2f ms per scrolled page\n",
              kRows, opened, scrolled, perPage);
  delete grid;
  return 0;
}
