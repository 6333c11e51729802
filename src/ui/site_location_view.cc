#include "ui/site_location_view.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/site_location_dialog.h"
#include "ui/field_binding.h"

namespace quorvex::ui {

SiteLocationView::SiteLocationView(SiteLocationDialog& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent) {
  auto* intro = new QLabel(
      "Quorvex adds its shop to the site you already have. Give the full path of that site's "
      "index page; the page is kept under the name below and the shop takes its place.");
  intro->setWordWrap(true);
  auto* form = new QFormLayout;
  addTextRow(*form, "&Index page of your site:", model.location.indexPath)
      ->setMinimumWidth(360);
  addTextRow(*form, "&Rename it to:", model.location.keptName);
  body()->addWidget(intro);
  body()->addLayout(form);
}

}  // namespace quorvex::ui
