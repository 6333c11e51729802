#ifndef QUORVEX_UI_PRODUCT_GRID_H_
#define QUORVEX_UI_PRODUCT_GRID_H_

#include <cstdint>
#include <vector>

class QTableView;

namespace quorvex::ui {

class ProductTableModel;

// Returns a grid over `rows` that selects whole lines, several at a time,
// with lines of one fixed height so that a grid over many rows neither
// measures nor reads lines it does not show.
QTableView* productGrid(ProductTableModel* rows);

// Gives the columns of `grid` (a productGrid()) their starting widths.
void sizeColumns(QTableView& grid);

// The table rows of the lines selected in `grid` (a productGrid()), in
// grid order.
std::vector<int32_t> selectedTableRows(const QTableView& grid);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_GRID_H_
