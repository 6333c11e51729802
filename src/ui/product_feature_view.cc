#include "ui/product_feature_view.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/product_feature_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ProductFeatureView::ProductFeatureView(ProductFeatureDialog& model, std::function<void()> help,
                                       QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      customerInput_(new QCheckBox("&Customer Input Feature")),
      textBoxSize_(new QLineEdit),
      valueControls_(new QGroupBox("Possible values")),
      value_(new QLineEdit),
      values_(new QListWidget) {
  auto* form = new QFormLayout;
  addTextRow(*form, "Feature &Name:", model_.name);
  form->addRow(customerInput_);
  bind(*textBoxSize_, model_.textBoxSize);
  form->addRow("&Text Box Size:", textBoxSize_);
  connect(customerInput_, &QCheckBox::toggled, this,
          [this](bool on) { model_.setCustomerInput(on); });

  bind(*value_, model_.valueText);
  bind(*values_, model_.selectedValue);
  // The selected value comes into the edit, where it can be changed.
  connect(values_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
    value_->setText(text);
    model_.valueText = fromQt(text);
  });
  auto* valueForm = new QFormLayout;
  valueForm->addRow("&Value:", value_);
  auto* valueList = new QHBoxLayout;
  valueList->addWidget(values_, 1);
  valueList->addLayout(buttonColumn(this, {{"&Add", [this] { model_.addValue(); }},
                                           {"Chan&ge", [this] { model_.changeValue(); }},
                                           {"&Remove", [this] { model_.removeValue(); }}}));
  auto* valueLayout = new QVBoxLayout(valueControls_);
  valueLayout->addLayout(valueForm);
  valueLayout->addLayout(valueList);
  values_->setMinimumSize(240, 140);

  body()->addLayout(form);
  body()->addWidget(valueControls_);
  showModel();
}

void ProductFeatureView::showModel() {
  {
    const QSignalBlocker blocker(customerInput_);
    customerInput_->setChecked(model_.customerInput());
  }
  textBoxSize_->setEnabled(model_.textBoxSizeEnabled());
  valueControls_->setEnabled(model_.valueControlsEnabled());
  const QSignalBlocker blocker(values_);
  values_->clear();
  for (const std::string& value : model_.values) values_->addItem(toQt(value));
  showSelection(*values_, model_.selectedValue);
}

}  // namespace quorvex::ui
