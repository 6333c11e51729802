#include "ui/site_type_step_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/site_type_step.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

SiteTypeStepView::SiteTypeStepView(SiteTypeStep& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      templates_(new QListWidget),
      description_(new QLabel),
      pages_(new QListWidget),
      location_(new QPushButton("Current Site &Location...")) {
  connect(templates_, &QListWidget::currentRowChanged, this,
          [this](int row) { model_.choice().choose(row); });
  auto* customize = new QPushButton("C&ustomize...");
  auto* remove = new QPushButton("&Delete");
  connect(customize, &QPushButton::clicked, this, [this] { model_.customize(); });
  connect(remove, &QPushButton::clicked, this, [this] { model_.choice().deleteSelected(); });
  // The step's own answer tells whether a location was confirmed; the
  // location dialog has shown what went wrong.
  connect(location_, &QPushButton::clicked, this, [this] { model_.setLocation(); });

  auto* templatesLabel = new QLabel("&Type of Site:");
  templatesLabel->setBuddy(templates_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(customize);
  buttons->addWidget(remove);
  buttons->addStretch();
  buttons->addWidget(location_);
  auto* left = new QVBoxLayout;
  left->addWidget(templatesLabel);
  left->addWidget(templates_, 1);

  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  description_->setMinimumHeight(60);
  auto* descriptionBox = new QGroupBox("Site Description");
  (new QVBoxLayout(descriptionBox))->addWidget(description_);
  pages_->setFocusPolicy(Qt::NoFocus);
  pages_->setSelectionMode(QAbstractItemView::NoSelection);
  auto* pagesBox = new QGroupBox("Pages Included");
  (new QVBoxLayout(pagesBox))->addWidget(pages_);
  auto* right = new QVBoxLayout;
  right->addWidget(descriptionBox);
  right->addWidget(pagesBox, 1);

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addLayout(right, 1);
  body()->addLayout(columns, 1);
  body()->addLayout(buttons);
  resize(600, 400);
  showModel();
}

void SiteTypeStepView::showModel() {
  SiteTemplateChoice& choice = model_.choice();
  const CSiteTemplate& site = choice.site();
  {
    const QSignalBlocker blocker(templates_);
    templates_->clear();
    for (const std::string& name : site.templateNames) templates_->addItem(toQt(name));
    templates_->setCurrentRow(choice.hasSelection() ? site.currentIndex : -1);
  }
  description_->setText(choice.hasSelection() ? toQt(choice.description()) : QString());
  pages_->clear();
  if (choice.hasSelection()) {
    for (const std::string& page : site.pageNames()) pages_->addItem(toQt(page));
  }
  location_->setEnabled(choice.canSetLocation());
}

}  // namespace quorvex::ui
