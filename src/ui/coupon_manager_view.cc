#include "ui/coupon_manager_view.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/coupon_manager_step.h"
#include "ui/button_column.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

CouponManagerView::CouponManagerView(CouponManagerStep& model, std::function<void()> help,
                                     QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      grid_(new QTableWidget) {
  const CouponManagerStep::GridRow header = CouponManagerStep::headerRow();
  grid_->setColumnCount(static_cast<int>(header.size()));
  // The first column numbers the rows; the grid has no row header of its own.
  for (size_t column = 0; column < header.size(); ++column) {
    grid_->setHorizontalHeaderItem(static_cast<int>(column),
                                   new QTableWidgetItem(toQt(header[column])));
  }
  grid_->verticalHeader()->hide();
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setMinimumSize(640, 240);
  connect(grid_, &QTableWidget::currentCellChanged, this, [&model = model_](int row) {
    if (row < 0) {
      model.selectedCoupon.reset();
    } else {
      model.selectedCoupon = static_cast<size_t>(row);
    }
  });
  connect(grid_, &QTableWidget::cellDoubleClicked, this,
          [&model = model_] { model.editCoupon(); });
  auto* intro = new QLabel(
      "The coupons your site offers. Each gets a page of its own, made from the coupon "
      "template style you choose, and is valid on its schedule.");
  intro->setWordWrap(true);
  auto* row = new QHBoxLayout;
  row->addWidget(grid_, 1);
  row->addLayout(buttonColumn(this, {{"&Add...", [&model = model_] { model.addCoupon(); }},
                                     {"&Edit...", [&model = model_] { model.editCoupon(); }},
                                     {"&Remove", [&model = model_] { model.removeCoupon(); }}}));
  body()->addWidget(intro);
  body()->addLayout(row);
  showModel();
}

void CouponManagerView::showModel() {
  const QSignalBlocker blocker(grid_);
  const std::vector<CouponManagerStep::GridRow> rows = model_.rows();
  grid_->setRowCount(static_cast<int>(rows.size()));
  for (size_t row = 0; row < rows.size(); ++row) {
    for (size_t column = 0; column < rows[row].size(); ++column) {
      grid_->setItem(static_cast<int>(row), static_cast<int>(column),
                     new QTableWidgetItem(toQt(rows[row][column])));
    }
  }
  grid_->resizeColumnsToContents();
  if (model_.selectedCoupon && *model_.selectedCoupon < rows.size()) {
    grid_->setCurrentCell(static_cast<int>(*model_.selectedCoupon), 1);
  } else {
    grid_->setCurrentCell(-1, -1);
  }
}

}  // namespace quorvex::ui
