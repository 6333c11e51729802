#include "ui/product_table_model.h"

#include "products/extra_fields.h"
#include "products/product_column.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ProductTableModel::Column ProductTableModel::lineNumberColumn() {
  return {"", [](int32_t row, int role) {
            return role == Qt::DisplayRole ? QVariant(row + 1) : QVariant();
          },
          6};
}

ProductTableModel::Column ProductTableModel::productColumn(const CExtraFields& table,
                                                           int32_t column) {
  return {toQt(std::string(productColumnName(column))), [&table, column](int32_t row, int role) {
            if (role != Qt::DisplayRole) return QVariant();
            return QVariant(toQt(table.rows[static_cast<size_t>(row)].columnText(column)));
          },
          column == kDescriptionColumn || column == kSalesDescriptionColumn ? 36 : 12};
}

ProductTableModel::ProductTableModel(const CExtraFields& table, std::vector<Column> columns,
                                     QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {}

void ProductTableModel::showRows(std::optional<std::vector<int32_t>> rows) {
  beginResetModel();
  shownRows_ = std::move(rows);
  endResetModel();
}

void ProductTableModel::setColumns(std::vector<Column> columns) {
  beginResetModel();
  columns_ = std::move(columns);
  endResetModel();
}

void ProductTableModel::reload() {
  beginResetModel();
  endResetModel();
}

int32_t ProductTableModel::tableRow(int line) const {
  return shownRows_ ? (*shownRows_)[static_cast<size_t>(line)] : line;
}

int ProductTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return static_cast<int>(shownRows_ ? shownRows_->size() : table_.rows.size());
}

int ProductTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ProductTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  return columns_[static_cast<size_t>(index.column())].value(tableRow(index.row()), role);
}

QVariant ProductTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return columns_[static_cast<size_t>(section)].title;
}

}  // namespace quorvex::ui
