#include "ui/import_preview_table.h"

#include <QHeaderView>
#include <QTableWidget>

#include "ui/qt_text.h"

namespace quorvex::ui {

QTableWidget* importPreviewTable() {
  auto* table = new QTableWidget;
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->setMinimumSize(520, 170);
  return table;
}

void showImportPreview(QTableWidget& table, const ImportWizard::Preview& preview) {
  table.clear();
  table.setColumnCount(preview.columns);
  table.setRowCount(static_cast<int>(preview.lines.size()));
  for (size_t line = 0; line < preview.lines.size(); ++line) {
    for (size_t column = 0; column < preview.lines[line].size(); ++column) {
      table.setItem(static_cast<int>(line), static_cast<int>(column),
                    new QTableWidgetItem(toQt(preview.lines[line][column])));
    }
  }
}

}  // namespace quorvex::ui
