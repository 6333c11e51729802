#ifndef QUORVEX_UI_PRODUCT_TABLE_MODEL_H_
#define QUORVEX_UI_PRODUCT_TABLE_MODEL_H_

#include <QAbstractTableModel>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace quorvex {
class CExtraFields;
}

namespace quorvex::ui {

// The rows of a product table as a Qt table model, for the grids of the
// product dialogs. Nothing is copied: each cell is read from its row when a
// view asks for it, so a grid over any number of rows opens at once and a
// view only ever reads the lines it shows.
class ProductTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The value a cell shows for the table row `row` and the Qt role `role`;
  // an invalid QVariant for the roles the column does not fill.
  using CellValue = std::function<QVariant(int32_t row, int role)>;

  // A grid column: its title, its cells and its starting width in
  // average characters.
  struct Column {
    QString title;
    CellValue value;
    int width = 12;
  };

  // The column of the 1-based line numbers.
  static Column lineNumberColumn();
  // The column of product column `column` (products/product_column.h),
  // titled with its name and showing its text as read out.
  static Column productColumn(const CExtraFields& table, int32_t column);

  // Shows the rows of `table`, which must outlive the model.
  ProductTableModel(const CExtraFields& table, std::vector<Column> columns,
                    QObject* parent = nullptr);

  // Shows only the table rows `rows`, in their order; nullopt shows every
  // row.
  void showRows(std::optional<std::vector<int32_t>> rows);

  // Shows `columns` instead of the columns it had.
  void setColumns(std::vector<Column> columns);

  // Shows the table again after its rows or their values changed.
  void reload();

  // The starting width of column `column`, in average characters.
  int columnWidth(int column) const { return columns_[static_cast<size_t>(column)].width; }

  // The table row shown on grid line `line`.
  int32_t tableRow(int line) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const CExtraFields& table_;
  std::vector<Column> columns_;
  std::optional<std::vector<int32_t>> shownRows_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PRODUCT_TABLE_MODEL_H_
