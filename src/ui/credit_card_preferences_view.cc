#include "ui/credit_card_preferences_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/credit_card_preferences_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

namespace {

// A group of radio buttons titled `title`, one per text; the one whose
// position is `choice` is checked, and a click sets `choice`.
QGroupBox* radioGroup(const QString& title, const QStringList& texts, int32_t& choice) {
  auto* group = new QGroupBox(title);
  auto* layout = new QVBoxLayout(group);
  auto* buttons = new QButtonGroup(group);
  for (int id = 0; id < texts.size(); ++id) {
    auto* button = new QRadioButton(texts[id]);
    button->setChecked(id == choice);
    buttons->addButton(button, id);
    layout->addWidget(button);
  }
  QObject::connect(buttons, &QButtonGroup::idClicked, group, [&choice](int id) { choice = id; });
  return group;
}

QCheckBox* option(const QString& text, int32_t& flag) {
  auto* box = new QCheckBox(text);
  bind(*box, flag);
  return box;
}

}  // namespace

CreditCardPreferencesView::CreditCardPreferencesView(CreditCardPreferencesDialog& model,
                                                     std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  CFtp& record = model.record;
  auto* form = new QFormLayout;
  form->addRow(option("&Use Real-Time Credit Card Processing", record.realTimeCards));
  addTextRow(*form, "User ID:", record.cardUserId);
  body()->addLayout(form);
  body()->addWidget(radioGroup("Address Verification",
                               {"Require &both address and zip code matches",
                                "Require a&ddress match only", "Require &zip code match only",
                                "Require ei&ther address or zip code match",
                                "Di&sable address verification"},
                               record.addressVerification));
  body()->addWidget(radioGroup("Reject Order When Transaction Declined",
                               {"&Always", "&If order includes downloaded items", "&Never"},
                               record.rejectDeclined));
  body()->addWidget(option("Ca&pture payment immediately", record.captureImmediately));
  body()->addWidget(option("Acc&ept order if network timeout", record.acceptOnTimeout));
}

}  // namespace quorvex::ui
