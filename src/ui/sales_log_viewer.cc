#include "ui/sales_log_viewer.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>
#include <utility>

#include "app/sales_log_tables.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

QLabel* notice(const QString& text) {
  auto* label = new QLabel(text);
  label->setAlignment(Qt::AlignCenter);
  label->setWordWrap(true);
  return label;
}

// A cell that sorts as the sales logs order their cells (numbers by value).
class LogCell : public QTableWidgetItem {
 public:
  explicit LogCell(std::string value) : QTableWidgetItem(toQt(value)), value_(std::move(value)) {}

  bool operator<(const QTableWidgetItem& other) const override {
    return salesLogCellLess(value_, static_cast<const LogCell&>(other).value_);
  }

 private:
  std::string value_;
};

// The rows of `log` in a table that sorts by the column whose header is
// clicked.
QWidget* tableOf(const SalesLogTable& log) {
  if (!log.error.empty()) return notice(toQt(log.error));
  if (log.rows.empty()) return notice("No sales have been recorded in this log yet.");
  size_t columns = 0;
  for (const auto& row : log.rows) columns = std::max(columns, row.size());
  auto* table = new QTableWidget(static_cast<int>(log.rows.size()), static_cast<int>(columns));
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setAlternatingRowColors(true);
  // Every cell is a LogCell, also those a short row leaves empty, so that
  // the table can compare any two.
  for (size_t r = 0; r < log.rows.size(); ++r) {
    for (size_t c = 0; c < columns; ++c) {
      table->setItem(static_cast<int>(r), static_cast<int>(c),
                     new LogCell(c < log.rows[r].size() ? log.rows[r][c] : ""));
    }
  }
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // The rows keep the file's order until a header is clicked.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  return table;
}

}  // namespace

SalesLogViewer::SalesLogViewer(const std::filesystem::path& siteFolder, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Sales Logs");
  auto* tabs = new QTabWidget;
  for (const SalesLogTable& log : readSalesLogTables(siteFolder)) {
    tabs->addTab(tableOf(log), toQt(log.name + ".csv"));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QString("The sales logs kept in %1")
                                   .arg(QString::fromStdString(siteFolder.string()))));
  layout->addWidget(tabs);
  layout->addWidget(buttons);
  resize(720, 420);
}

}  // namespace quorvex::ui
