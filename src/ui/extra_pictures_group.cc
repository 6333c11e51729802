#include "ui/extra_pictures_group.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableWidget>

#include "app/page_layout_step.h"
#include "site/full_page.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

enum Column { kFileColumn, kResizeColumn, kWidthColumn, kColumnCount };

// The row selected in `table`, or `count` when none is.
size_t selectedRow(const QTableWidget& table, size_t count) {
  const int current = table.currentRow();
  return current < 0 ? count : static_cast<size_t>(current);
}

}  // namespace

ExtraPicturesGroup::ExtraPicturesGroup(PageLayoutStep& step, CFullPage& page, QWidget* parent)
    : QGroupBox("More Pictures", parent), step_(step), page_(page), table_(new QTableWidget) {
  table_->setColumnCount(kColumnCount);
  table_->setHorizontalHeaderLabels({"Picture", "Resize", "Width"});
  table_->horizontalHeader()->setSectionResizeMode(kFileColumn, QHeaderView::Stretch);
  table_->horizontalHeader()->setSectionResizeMode(kResizeColumn, QHeaderView::ResizeToContents);
  table_->horizontalHeader()->setSectionResizeMode(kWidthColumn, QHeaderView::ResizeToContents);
  table_->verticalHeader()->setVisible(false);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setMaximumHeight(130);

  CFullPage& shown = page_;
  PageLayoutStep& model = step_;
  QTableWidget* table = table_;
  auto* row = new QHBoxLayout(this);
  row->addWidget(table_, 1);
  row->addLayout(buttonColumn(
      this,
      {{"Add...", [&model, &shown] { model.browseExtraPicture(shown, shown.imageFiles.size()); }},
       {"Change...",
        [&model, &shown, table] {
          const size_t picture = selectedRow(*table, shown.imageFiles.size());
          if (picture < shown.imageFiles.size()) model.browseExtraPicture(shown, picture);
        }},
       {"Remove", [&model, &shown, table] {
          const size_t picture = selectedRow(*table, shown.imageFiles.size());
          if (picture < shown.imageFiles.size()) model.removeExtraPicture(shown, picture);
        }}}));
  refresh();
}

void ExtraPicturesGroup::refresh() {
  const int current = table_->currentRow();
  table_->setRowCount(static_cast<int>(page_.imageFiles.size()));
  for (size_t i = 0; i < page_.imageFiles.size(); ++i) {
    const int row = static_cast<int>(i);
    const std::string& file = page_.imageFiles[i];
    table_->setItem(row, kFileColumn,
                    new QTableWidgetItem(file.empty() || file == "NoImage" ? QString("(none)")
                                                                          : toQt(file)));
    auto* resize = new QCheckBox;
    bind(*resize, page_.imageResize[i]);
    table_->setCellWidget(row, kResizeColumn, resize);
    auto* width = new QSpinBox;
    width->setRange(1, 2000);
    width->setSuffix(" px");
    bind(*width, page_.imageWidths[i]);
    table_->setCellWidget(row, kWidthColumn, width);
  }
  if (current >= 0 && current < table_->rowCount()) table_->selectRow(current);
}

}  // namespace quorvex::ui
