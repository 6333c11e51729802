#include "ui/tax_rate_view.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/tax_rate_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

TaxRateView::TaxRateView(TaxRateDialog& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      kind_(new QComboBox) {
  for (TaxKind kind : {TaxKind::kState, TaxKind::kCity, TaxKind::kVat}) {
    kind_->addItem(taxKindName(kind));
  }
  kind_->setCurrentIndex(static_cast<int>(model.entry.kind));
  connect(kind_, &QComboBox::activated, this, [this](int index) {
    model_.entry.kind = static_cast<TaxKind>(index);
    showModel();
  });

  auto* form = new QFormLayout;
  form->addRow("Add rate for:", kind_);
  city_ = addTextRow(*form, "&City:", model_.entry.city);
  state_ = addTextRow(*form, "&State/Province:", model_.entry.state);
  abbreviation_ = addTextRow(*form, "&Abbreviation:", model_.entry.abbreviation);
  country_ = addTextRow(*form, "C&ountry:", model_.entry.country);
  rate_ = addTextRow(*form, "&Rate:", model_.rateText);
  rate_->setPlaceholderText("8.25% or 0.0825");
  body()->addLayout(form);
  setMinimumWidth(340);
  showModel();
}

void TaxRateView::showModel() {
  state_->setEnabled(model_.stateEnabled());
  abbreviation_->setEnabled(model_.abbreviationEnabled());
  city_->setEnabled(model_.cityEnabled());
  country_->setEnabled(model_.countryEnabled());
}

void TaxRateView::refused() {
  if (model_.rateNeedsFocus()) rate_->setFocus();
}

}  // namespace quorvex::ui
