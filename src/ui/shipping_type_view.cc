#include "ui/shipping_type_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "app/shipping_type_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ShippingTypeView::ShippingTypeView(ShippingTypeDialog& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent), model_(model) {
  auto* form = new QFormLayout;
  addTextRow(*form, "Shipping &Label:", model_.type.label);
  body()->addLayout(form);
  if (model.flatRate()) {
    auto* flatRate = new QLineEdit;
    bind(*flatRate, model_.type.flatRate);
    auto* rate = new QHBoxLayout;
    rate->addWidget(new QLabel(toQt(model.currencySymbol())));
    rate->addWidget(flatRate);
    auto* rateLabel = new QLabel("&Flat Rate:");
    rateLabel->setBuddy(flatRate);
    form->addRow(rateLabel, rate);
    return;
  }
  charges_ = new QTableWidget(0, 2);
  charges_->setSelectionBehavior(QAbstractItemView::SelectRows);
  charges_->setSelectionMode(QAbstractItemView::SingleSelection);
  charges_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  charges_->verticalHeader()->hide();
  charges_->horizontalHeader()->setStretchLastSection(true);
  charges_->setColumnWidth(0, 180);
  charges_->setMinimumSize(340, 180);
  connect(charges_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row < 0) {
      model_.selectedRow.reset();
    } else {
      model_.selectedRow = static_cast<size_t>(row);
    }
  });
  connect(charges_, &QTableWidget::cellDoubleClicked, this, [this] { model_.editCharge(); });
  auto* table = new QHBoxLayout;
  table->addWidget(charges_, 1);
  table->addLayout(buttonColumn(this, {{"&Insert Charge", [this] { model_.insertCharge(); }},
                                       {"&Edit Charge", [this] { model_.editCharge(); }},
                                       {"&Delete Charge", [this] { model_.deleteCharge(); }}}));
  body()->addLayout(table);
  showModel();
}

void ShippingTypeView::showModel() {
  if (charges_ == nullptr) return;
  const std::array<std::string, 2> header = model_.headerCells();
  const QSignalBlocker blocker(charges_);
  charges_->setHorizontalHeaderLabels({toQt(header[0]), toQt(header[1])});
  const size_t rows = model_.type.rangeCount();
  charges_->setRowCount(static_cast<int>(rows));
  for (size_t row = 0; row < rows; ++row) {
    const int at = static_cast<int>(row);
    charges_->setItem(at, 0, new QTableWidgetItem(toQt(model_.rowLabel(row))));
    charges_->setItem(
        at, 1, new QTableWidgetItem(toQt(model_.currencySymbol() + model_.type.charges[row])));
  }
  if (model_.selectedRow) {
    charges_->setCurrentCell(static_cast<int>(*model_.selectedRow), 0);
  } else {
    charges_->setCurrentCell(-1, -1);
  }
}

}  // namespace quorvex::ui
