#include "ui/style_step_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <filesystem>

#include "app/style_step.h"
#include "ui/button_samples_view.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// The room the preview picture is fitted into.
constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 220;

}  // namespace

StyleStepView::StyleStepView(StyleStep& model, std::function<void()> help, QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      styles_(new QListWidget),
      preview_(new QLabel),
      samples_(new ButtonSamplesView) {
  connect(styles_, &QListWidget::currentRowChanged, this,
          [this](int row) { model_.choice().choose(row); });
  auto* customize = new QPushButton("C&ustomize...");
  auto* remove = new QPushButton("&Delete");
  connect(customize, &QPushButton::clicked, this, [this] { model_.customize(); });
  connect(remove, &QPushButton::clicked, this, [this] { model_.choice().deleteSelected(); });

  auto* stylesLabel = new QLabel("&Styles:");
  stylesLabel->setBuddy(styles_);
  auto* left = new QVBoxLayout;
  left->addWidget(stylesLabel);
  left->addWidget(styles_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(customize);
  buttons->addWidget(remove);
  buttons->addStretch();
  left->addLayout(buttons);

  preview_->setAlignment(Qt::AlignCenter);
  preview_->setFixedSize(kPreviewWidth, kPreviewHeight);
  auto* previewBox = new QGroupBox("Preview");
  auto* previewLayout = new QVBoxLayout(previewBox);
  previewLayout->addWidget(preview_);
  previewLayout->addWidget(samples_);
  previewLayout->addStretch();

  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 1);
  columns->addWidget(previewBox);
  body()->addLayout(columns, 1);
  showModel();
}

void StyleStepView::showModel() {
  StyleChoice& choice = model_.choice();
  const CTemplate& style = choice.style();
  {
    const QSignalBlocker blocker(styles_);
    styles_->clear();
    for (const std::string& name : style.styleNames) styles_->addItem(toQt(name));
    styles_->setCurrentRow(choice.hasSelection() ? style.currentIndex : -1);
  }
  preview_->setText("No Preview");
  if (!choice.hasSelection()) {
    samples_->showSamples({});
    return;
  }
  for (const std::filesystem::path& file : choice.previewFiles()) {
    const QImage image(QString::fromStdString(file.string()));
    if (image.isNull()) continue;
    preview_->setPixmap(QPixmap::fromImage(
        image.scaled(kPreviewWidth, kPreviewHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    break;
  }
  samples_->showSamples(model_.buttonSamples());
}

}  // namespace quorvex::ui
