#include "ui/colour_button.h"

#include <QColorDialog>
#include <QPixmap>

#include "ui/qt_font_colour.h"

namespace quorvex::ui {

ColourButton::ColourButton(const QString& text, std::function<int32_t()> get,
                           std::function<void(int32_t)> set, QWidget* parent)
    : QPushButton(text, parent), get_(std::move(get)), set_(std::move(set)) {
  showColour();
  connect(this, &QPushButton::clicked, this, [this] {
    const QColor picked =
        QColorDialog::getColor(toQColor(get_()), this, QString(this->text()).remove('&'));
    if (!picked.isValid()) return;
    set_(fromQColor(picked));
    showColour();
    emit changed();
  });
}

void ColourButton::showColour() {
  QPixmap swatch(16, 16);
  swatch.fill(toQColor(get_()));
  setIcon(swatch);
}

}  // namespace quorvex::ui
