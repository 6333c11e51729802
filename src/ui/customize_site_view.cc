#include "ui/customize_site_view.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/customize_site_dialog.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

void showNames(QListWidget& list, const std::vector<std::string>& names) {
  const int row = list.currentRow();
  list.clear();
  for (const std::string& name : names) list.addItem(toQt(name));
  list.setCurrentRow(std::min(row, list.count() - 1));
}

}  // namespace

CustomizeSiteView::CustomizeSiteView(CustomizeSiteDialog& model, std::function<void()> help,
                                     QWidget* parent)
    : ModelDialog(model, Buttons::kOkCancel, std::move(help), parent),
      model_(model),
      available_(new QListWidget),
      included_(new QListWidget) {
  auto* name = new QFormLayout;
  addTextRow(*name, "Site &Name:", model.customization.name);

  auto* add = new QPushButton("&Add >>");
  auto* remove = new QPushButton("<< &Remove");
  auto addSelected = [this] { model_.addPage(available_->currentRow()); };
  connect(add, &QPushButton::clicked, this, addSelected);
  connect(available_, &QListWidget::itemDoubleClicked, this, addSelected);
  connect(remove, &QPushButton::clicked, this,
          [this] { model_.removePage(included_->currentRow()); });
  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();

  auto* availableLabel = new QLabel("A&vailable Pages");
  availableLabel->setBuddy(available_);
  auto* includedLabel = new QLabel("&Pages Included in Site");
  includedLabel->setBuddy(included_);
  auto* lists = new QGridLayout;
  lists->addWidget(availableLabel, 0, 0);
  lists->addWidget(includedLabel, 0, 2);
  lists->addWidget(available_, 1, 0);
  lists->addLayout(buttons, 1, 1);
  lists->addWidget(included_, 1, 2);
  available_->setMinimumWidth(200);
  included_->setMinimumWidth(200);

  body()->addLayout(name);
  body()->addLayout(lists);
  resize(540, 360);
  showModel();
}

void CustomizeSiteView::showModel() {
  showNames(*available_, model_.customization.availablePages());
  showNames(*included_, model_.customization.includedPages());
}

}  // namespace quorvex::ui
