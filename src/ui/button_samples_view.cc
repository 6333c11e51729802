#include "ui/button_samples_view.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace quorvex::ui {

ButtonSamplesView::ButtonSamplesView(QWidget* parent) : QWidget(parent), row_(new QHBoxLayout) {
  row_->setContentsMargins(0, 0, 0, 0);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(row_);
  layout->addStretch();
}

void ButtonSamplesView::showSamples(const std::vector<ButtonPreview::Sample>& samples) {
  while (QLayoutItem* item = row_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (const ButtonPreview::Sample& sample : samples) {
    auto* cell = new QWidget;
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(4, 0, 4, 0);
    auto* picture = new QLabel;
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumHeight(36);
    // Read afresh each time: a sample's file is redrawn under the same name.
    const QImage image(QString::fromStdString(sample.picture.string()));
    if (image.isNull()) {
      picture->setText("(none)");
    } else {
      picture->setPixmap(QPixmap::fromImage(image));
    }
    auto* caption = new QLabel(toQt(sample.caption));
    caption->setAlignment(Qt::AlignCenter);
    column->addWidget(picture, 1);
    column->addWidget(caption);
    row_->addWidget(cell);
  }
}

}  // namespace quorvex::ui
