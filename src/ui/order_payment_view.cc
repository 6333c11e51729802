#include "ui/order_payment_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/order_payment_step.h"

namespace quorvex::ui {

OrderPaymentView::OrderPaymentView(OrderPaymentStep& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent) {
  struct Row {
    const char* label;
    const char* button;
    std::function<void()> operation;
  };
  const Row rows[] = {
      {"Merchant notification email:", "&Edit Text",
       [&model] { model.editMerchantNotification(); }},
      {"Customer confirmation email:", "E&dit Text",
       [&model] { model.editCustomerConfirmations(); }},
      {"Specify payment methods:\n(Visa, COD, etc..)", "Edit &Methods",
       [&model] { model.editPaymentMethods(); }}};
  auto* grid = new QGridLayout;
  int line = 0;
  for (const Row& row : rows) {
    auto* button = new QPushButton(row.button);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, row.operation);
    grid->addWidget(new QLabel(row.label), line, 0);
    grid->addWidget(button, line++, 1);
  }
  grid->setColumnStretch(0, 1);
  auto* intro = new QLabel(
      "The e-mails the order server sends for every order, to you and to your customer, and "
      "the ways your customers may pay.");
  intro->setWordWrap(true);
  body()->addWidget(intro);
  body()->addLayout(grid);
  setMinimumWidth(420);
}

}  // namespace quorvex::ui
