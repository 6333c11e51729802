#include "ui/site_location_view.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/site_location_dialog.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

SiteLocationView::SiteLocationView(SiteLocationDialog& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      indexPath_(new QLineEdit) {
  auto* intro = new QLabel(
      "Quorvex adds its shop to the site you already have. Give the full path of that site's "
      "index page; the page is kept under the name below and the shop takes its place.");
  intro->setWordWrap(true);
  bind(*indexPath_, model.location.indexPath);
  indexPath_->setMinimumWidth(360);
  auto* browse = new QPushButton("&Browse...");
  connect(browse, &QPushButton::clicked, this, [this] { model_.browse(); });
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(indexPath_, 1);
  pathRow->addWidget(browse);
  auto* pathLabel = new QLabel("&Index page of your site:");
  pathLabel->setBuddy(indexPath_);
  auto* form = new QFormLayout;
  form->addRow(pathLabel, pathRow);
  addTextRow(*form, "&Rename it to:", model.location.keptName);
  body()->addWidget(intro);
  body()->addLayout(form);
}

void SiteLocationView::showModel() { indexPath_->setText(toQt(model_.location.indexPath)); }

}  // namespace quorvex::ui
