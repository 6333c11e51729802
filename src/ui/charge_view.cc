#include "ui/charge_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/charge_dialog.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ChargeView::ChargeView(ChargeDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* form = new QFormLayout;
  form->addRow(new QLabel(toQt(model.basisText())));
  form->addRow("Above:", new QLabel(toQt(model.lowerBound())));
  addTextRow(*form, "&Up To:", model.limit)->setEnabled(model.limitEditable());
  auto* charge = new QLineEdit;
  bind(*charge, model.charge);
  auto* amount = new QHBoxLayout;
  amount->addWidget(new QLabel(toQt(model.currencySymbol())));
  amount->addWidget(charge);
  auto* chargeLabel = new QLabel("&Charge:");
  chargeLabel->setBuddy(charge);
  form->addRow(chargeLabel, amount);
  body()->addLayout(form);
  setMinimumWidth(300);
}

}  // namespace quorvex::ui
