#include "ui/business_step_view.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "app/business_step.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The widest the preview shows a logo.
constexpr int kPreviewRoom = 220;

}  // namespace

BusinessStepView::BusinessStepView(BusinessStep& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      makeTermsPage_(new QCheckBox("&Make Terms and Conditions page")),
      logoPath_(new QLineEdit),
      preview_(new QLabel),
      caption_(new QLabel) {
  CBusiness& business = model.business;
  auto* keywords = new QPushButton("Add &Keywords...");
  connect(keywords, &QPushButton::clicked, this, [this] { model_.editKeywords(); });
  auto* terms = new QPushButton("&Text...");
  connect(terms, &QPushButton::clicked, this, [this] { model_.editTerms(); });
  bind(*makeTermsPage_, business.makeTermsPage);

  auto* keywordsRow = new QHBoxLayout;
  keywordsRow->addWidget(keywords);
  keywordsRow->addStretch();
  auto* texts = new QFormLayout;
  texts->addRow("Search engines:", keywordsRow);
  auto* termsRow = new QHBoxLayout;
  termsRow->addWidget(terms);
  termsRow->addWidget(makeTermsPage_);
  termsRow->addStretch();
  texts->addRow("Terms and conditions:", termsRow);
  addTextRow(*texts, "Enter &Symbol:", business.currencySymbol)->setMaximumWidth(80);
  addTextRow(*texts, "Copy&right Text:", business.copyrightText)->setMinimumWidth(300);

  logoPath_->setReadOnly(true);
  auto* browse = new QPushButton("&Browse...");
  connect(browse, &QPushButton::clicked, this, [this] { model_.browseLogo(); });
  auto* resize = new QCheckBox("Resi&ze Output Image");
  bind(*resize, business.resizeLogo);
  auto* width = new QSpinBox;
  width->setRange(1, 2000);
  bind(*width, business.logoWidth);
  connect(resize, &QCheckBox::toggled, width, &QWidget::setEnabled);
  width->setEnabled(business.resizeLogo != 0);
  connect(resize, &QCheckBox::toggled, this, &BusinessStepView::showPreview);
  connect(width, &QSpinBox::valueChanged, this, &BusinessStepView::showPreview);

  auto* pathLabel = new QLabel("&Logo Image:");
  pathLabel->setBuddy(logoPath_);
  auto* pathRow = new QHBoxLayout;
  pathRow->addWidget(pathLabel);
  pathRow->addWidget(logoPath_, 1);
  pathRow->addWidget(browse);
  auto* logoForm = new QFormLayout;
  logoForm->addRow(resize);
  logoForm->addRow("Output Image &Width In Pixels:", width);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setMinimumSize(kPreviewRoom, 90);
  preview_->setFrameShape(QFrame::StyledPanel);
  caption_->setAlignment(Qt::AlignCenter);
  auto* previewColumn = new QVBoxLayout;
  previewColumn->addWidget(preview_, 1);
  previewColumn->addWidget(caption_);
  auto* logoRow = new QHBoxLayout;
  logoRow->addLayout(logoForm, 1);
  logoRow->addLayout(previewColumn);
  auto* logo = new QGroupBox("Company Logo");
  auto* logoLayout = new QVBoxLayout(logo);
  logoLayout->addLayout(pathRow);
  logoLayout->addLayout(logoRow);

  body()->addLayout(texts);
  body()->addWidget(logo);
  showModel();
}

void BusinessStepView::showModel() {
  makeTermsPage_->setChecked(model_.business.makeTermsPage != 0);
  logoPath_->setText(toQt(model_.business.logoPath));
  showPreview();
}

void BusinessStepView::showPreview() {
  const CBusiness& business = model_.business;
  QPixmap logo;
  const std::filesystem::path file = model_.logoFile();
  if (!file.empty()) logo.load(QString::fromStdString(file.string()));
  std::optional<int> shown;
  if (!logo.isNull()) {
    shown = std::min(business.resizeLogo != 0 ? business.logoWidth : logo.width(), kPreviewRoom);
    preview_->setPixmap(logo.scaledToWidth(*shown, Qt::SmoothTransformation));
  } else {
    preview_->setPixmap(QPixmap());
  }
  caption_->setText(toQt(BusinessStep::previewCaption(shown)));
}

}  // namespace quorvex::ui
