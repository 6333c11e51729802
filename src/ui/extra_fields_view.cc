#include "ui/extra_fields_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/extra_fields_dialog.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ExtraFieldsView::ExtraFieldsView(ExtraFieldsDialog& model, std::function<void()> help,
                                 QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      fields_(new QListWidget) {
  connect(fields_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) {
      model_.selectedField.reset();
    } else {
      model_.selectedField = static_cast<size_t>(row);
    }
  });
  connect(fields_, &QListWidget::itemDoubleClicked, this, [this] { model_.editField(); });
  auto* buttons = new QVBoxLayout;
  const std::pair<const char*, void (ExtraFieldsDialog::*)()> kButtons[] = {
      {"&Add...", &ExtraFieldsDialog::addField},
      {"&Edit...", &ExtraFieldsDialog::editField},
      {"&Remove", &ExtraFieldsDialog::removeField}};
  for (const auto& [text, operation] : kButtons) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this,
            [&model = model_, call = operation] { (model.*call)(); });
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* label = new QLabel("Extra &fields the order form asks for:");
  label->setBuddy(fields_);
  fields_->setMinimumSize(320, 160);
  auto* row = new QHBoxLayout;
  row->addWidget(fields_, 1);
  row->addLayout(buttons);
  body()->addWidget(label);
  body()->addLayout(row);
  showModel();
}

void ExtraFieldsView::showModel() {
  const QSignalBlocker blocker(fields_);
  fields_->clear();
  for (const CExtraOrderField& field : model_.fields) {
    fields_->addItem(toQt(field.description + " (" + field.identifier + ")"));
  }
  if (model_.selectedField && *model_.selectedField < model_.fields.size()) {
    fields_->setCurrentRow(static_cast<int>(*model_.selectedField));
  }
}

}  // namespace quorvex::ui
