#include "ui/shipping_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/shipping_step.h"
#include "app/shipping_type_dialog.h"
#include "document/shipping.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ShippingView::ShippingView(ShippingStep& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      basedOn_(new QComboBox),
      types_(new QListWidget) {
  for (int32_t basis = 0; basis <= CShipping::kFlatRate; ++basis) {
    basedOn_->addItem(toQt(shippingBasisName(basis)));
  }
  basedOn_->setCurrentIndex(model.shipping.basedOn);
  connect(basedOn_, &QComboBox::activated, this,
          [this](int index) { model_.shipping.basedOn = index; });
  auto* handlingCharge = new QLineEdit;
  bind(*handlingCharge, model_.shipping.handlingCharge);
  connect(types_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) {
      model_.selectedType.reset();
    } else {
      model_.selectedType = static_cast<size_t>(row);
    }
  });
  connect(types_, &QListWidget::itemDoubleClicked, this, [this] { model_.editType(); });

  auto* charge = new QHBoxLayout;
  charge->addWidget(new QLabel(toQt(model.currencySymbol())));
  charge->addWidget(handlingCharge);
  auto* chargeLabel = new QLabel("&Handling Charge:");
  chargeLabel->setBuddy(handlingCharge);
  auto* form = new QFormLayout;
  form->addRow("Shipping &Based On:", basedOn_);
  form->addRow(chargeLabel, charge);

  auto* typesLabel = new QLabel("Shipping &Types:");
  typesLabel->setBuddy(types_);
  auto* list = new QHBoxLayout;
  list->addWidget(types_, 1);
  list->addLayout(buttonColumn(this, {{"&Add", [this] { model_.addType(); }},
                                      {"&Edit", [this] { model_.editType(); }},
                                      {"&Delete", [this] { model_.deleteType(); }}}));
  types_->setMinimumSize(300, 160);
  body()->addLayout(form);
  body()->addWidget(typesLabel);
  body()->addLayout(list);
  showModel();
}

void ShippingView::showModel() {
  const QSignalBlocker blocker(types_);
  types_->clear();
  for (const CShippingType& type : model_.shipping.shippingTypes) {
    types_->addItem(toQt(type.label));
  }
  if (model_.selectedType) types_->setCurrentRow(static_cast<int>(*model_.selectedType));
}

}  // namespace quorvex::ui
