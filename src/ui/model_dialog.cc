#include "ui/model_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/help_key.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ModelDialog::ModelDialog(DialogModel& model, Buttons buttons, std::function<void()> help,
                         QWidget* parent)
    : QDialog(parent), model_(model), body_(new QVBoxLayout) {
  setWindowTitle(toQt(model.title()));
  subscription_ = model.subscribe([this] { showModel(); });

  auto* row = new QHBoxLayout;
  auto addButton = [this, row](const QString& text, DialogResult result) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, [this, result] { end(result); });
    row->addWidget(button);
    return button;
  };
  if (buttons == Buttons::kOkCancel) {
    row->addStretch();
    addButton("OK", DialogResult::kOk)->setDefault(true);
    auto* cancel = new QPushButton("Cancel");
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(cancel);
  } else {
    if (buttons == Buttons::kStep) addButton("<< &Previous", DialogResult::kPrevious);
    row->addStretch();
    addButton("&Next >>", DialogResult::kNext)->setDefault(true);
    addButton("&Close", DialogResult::kOk);
  }
  auto* helpButton = new QPushButton("&Help");
  connect(helpButton, &QPushButton::clicked, this, help);
  row->addWidget(helpButton);
  addHelpKey(*this, help);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body_, 1);
  layout->addSpacing(8);
  layout->addLayout(row);
}

ModelDialog::~ModelDialog() { model_.unsubscribe(subscription_); }

void ModelDialog::end(DialogResult result) {
  if (!model_.accept()) {
    refused();
    return;
  }
  result_ = result;
  accept();
}

DialogResult ModelDialog::run() {
  return exec() == QDialog::Accepted ? result_ : DialogResult::kCancel;
}

}  // namespace quorvex::ui
