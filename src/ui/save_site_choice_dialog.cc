#include "ui/save_site_choice_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/save_site_dialog.h"
#include "ui/help_key.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

SaveSiteChoiceDialog::SaveSiteChoiceDialog(SaveSiteDialog& model, std::function<void()> help,
                                           QWidget* parent)
    : QDialog(parent),
      model_(model),
      publish_(new QRadioButton("&Build Your Site and Proceed to Publish to the Internet")),
      localOnly_(new QRadioButton("Build Your Site and Save &Locally Only")),
      viewSite_(new QCheckBox("&View Your Site Upon Saving")) {
  setWindowTitle(toQt(model.title()));
  auto* intro = new QLabel(
      "Quorvex will now build every page of your site from your settings and products.");
  intro->setWordWrap(true);

  publish_->setChecked(model.publish);
  localOnly_->setChecked(!model.publish);
  viewSite_->setChecked(model.viewSite);
  viewSite_->setEnabled(model.viewSiteEnabled());
  connect(localOnly_, &QRadioButton::toggled, this, [this](bool localOnly) {
    model_.publish = !localOnly;
    viewSite_->setEnabled(model_.viewSiteEnabled());
  });
  connect(viewSite_, &QCheckBox::toggled, this, [this](bool view) { model_.viewSite = view; });

  auto* choices = new QVBoxLayout;
  choices->addWidget(publish_);
  choices->addWidget(localOnly_);
  auto* indented = new QHBoxLayout;
  indented->addSpacing(24);
  indented->addWidget(viewSite_);
  choices->addLayout(indented);

  auto* finish = new QPushButton("&Finish");
  auto* previous = new QPushButton("<< &Previous");
  auto* close = new QPushButton("&Close");
  auto* helpButton = new QPushButton("&Help");
  finish->setDefault(true);
  connect(finish, &QPushButton::clicked, this, [this] { end(DialogResult::kOk); });
  connect(previous, &QPushButton::clicked, this, [this] { end(DialogResult::kPrevious); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(helpButton, &QPushButton::clicked, this, help);
  addHelpKey(*this, help);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(previous);
  buttons->addStretch();
  buttons->addWidget(finish);
  buttons->addWidget(close);
  buttons->addWidget(helpButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addSpacing(8);
  layout->addLayout(choices);
  layout->addSpacing(12);
  layout->addLayout(buttons);
}

void SaveSiteChoiceDialog::end(DialogResult result) {
  if (!model_.accept()) return;
  result_ = result;
  accept();
}

DialogResult SaveSiteChoiceDialog::run() {
  return exec() == QDialog::Accepted ? result_ : DialogResult::kCancel;
}

}  // namespace quorvex::ui
