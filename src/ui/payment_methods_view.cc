#include "ui/payment_methods_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/payment_methods_dialog.h"
#include "ui/button_column.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

PaymentMethodsView::PaymentMethodsView(PaymentMethodsDialog& model, std::function<void()> help,
                                       QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      methods_(new QListWidget) {
  connect(methods_, &QListWidget::currentRowChanged, this, [&model = model_](int row) {
    if (row >= 0) model.selectMethod(static_cast<size_t>(row));
  });
  methods_->setMinimumSize(240, 160);
  auto* form = new QFormLayout;
  method_ = addTextRow(*form, "&Method:", model_.methodText);
  auto* listLabel = new QLabel("&Payment methods your order page offers:");
  listLabel->setBuddy(methods_);
  auto* row = new QHBoxLayout;
  row->addWidget(methods_, 1);
  row->addLayout(buttonColumn(this, {{"&Add", [&model = model_] { model.addMethod(); }},
                                     {"&Change", [&model = model_] { model.changeMethod(); }},
                                     {"&Remove", [&model = model_] { model.removeMethod(); }}}));
  body()->addLayout(form);
  body()->addWidget(listLabel);
  body()->addLayout(row);
  showModel();
}

void PaymentMethodsView::showModel() {
  const QSignalBlocker blocker(methods_);
  methods_->clear();
  for (const std::string& method : model_.methods) methods_->addItem(toQt(method));
  if (model_.selectedMethod) methods_->setCurrentRow(static_cast<int>(*model_.selectedMethod));
  if (method_->text() != toQt(model_.methodText)) method_->setText(toQt(model_.methodText));
}

}  // namespace quorvex::ui
