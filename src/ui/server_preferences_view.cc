#include "ui/server_preferences_view.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/server_preferences_step.h"
#include "publish/order_server.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// A group box holding `form`.
QGroupBox* groupOf(const QString& title, QFormLayout* form) {
  auto* group = new QGroupBox(title);
  group->setLayout(form);
  return group;
}

}  // namespace

ServerPreferencesView::ServerPreferencesView(ServerPreferencesStep& model,
                                             std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent) {
  auto* web = new QFormLayout;
  addTextRow(*web, "FTP &Hostname:", model.record.ftpHost);
  addTextRow(*web, "&Username:", model.record.ftpUser);
  addTextRow(*web, "&Password:", model.record.ftpPassword)->setEchoMode(QLineEdit::Password);
  addTextRow(*web, "Retype Pass&word:", model.ftpPasswordAgain)
      ->setEchoMode(QLineEdit::Password);

  auto* account = new QFormLayout;
  addTextRow(*account, "Order Ser&ver:", model.orderServerHost)
      ->setToolTip("The order server's host, the same for every company; for a server of "
                   "your own, its name (orders.example.com)");
  if (!model.orderServerOverride().empty()) {
    account->addRow("", new QLabel(toQt("In use instead: " + model.orderServerOverride() +
                                        " ($" + kOrderServerVariable + ")")));
  }
  addTextRow(*account, "Quorvex &ID:", model.record.vendorId);
  addTextRow(*account, "Pa&ssword:", model.record.vendorPassword)
      ->setEchoMode(QLineEdit::Password);
  addTextRow(*account, "Retype Passw&ord:", model.vendorPasswordAgain)
      ->setEchoMode(QLineEdit::Password);

  auto* order = new QFormLayout;
  addTextRow(*order, "Order &Email:", model.record.orderEmail);
  addTextRow(*order, "Other Shop Ori&gins:", model.record.extraOrigins)
      ->setPlaceholderText("https://shop.example.org http://localhost:8080");
  order->addRow("", new QLabel("Other addresses of the shop, separated by blanks or commas"));

  auto* buttons = new QHBoxLayout;
  for (const auto& [text, operation] :
       {std::pair{"&Advanced Preferences", &ServerPreferencesStep::editAdvanced},
        std::pair{"C&redit Card Preferences", &ServerPreferencesStep::editCreditCards},
        std::pair{"&Test Connection", &ServerPreferencesStep::testConnection}}) {
    auto* button = new QPushButton(text);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [&model, call = operation] { (model.*call)(); });
    buttons->addWidget(button);
  }
  buttons->addStretch();

  body()->addWidget(groupOf("Internet Server Info", web));
  body()->addWidget(groupOf("Quorvex Info", account));
  body()->addLayout(order);
  body()->addLayout(buttons);
  setMinimumWidth(460);
}

}  // namespace quorvex::ui
