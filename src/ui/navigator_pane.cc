#include "ui/navigator_pane.h"

#include <QLinearGradient>
#include <QPainter>

namespace quorvex::ui {

NavigatorPane::NavigatorPane(Look look, QSize size, QWidget* parent)
    : QWidget(parent), look_(look) {
  setFixedSize(size);
}

void NavigatorPane::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void NavigatorPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF area = rect();
  switch (look_) {
    case Look::kGroups: {
      QLinearGradient fill(area.topLeft(), area.bottomLeft());
      fill.setColorAt(0, QColor(0x1a, 0x3a, 0x5c));
      fill.setColorAt(1, QColor(0x0d, 0x20, 0x35));
      painter.fillRect(area, fill);
      break;
    }
    case Look::kTools: {
      QLinearGradient fill(area.topLeft(), area.topRight());
      fill.setColorAt(0, QColor(0x1a, 0x3a, 0x5c));
      fill.setColorAt(1, QColor(0x2f, 0x5d, 0x8a));
      painter.fillRect(area, fill);
      // The program's name in the free space between the commands.
      QFont font = painter.font();
      font.setBold(true);
      font.setPointSizeF(17);
      painter.setFont(font);
      painter.setPen(Qt::white);
      const QRectF nameArea(282, 14, 110, 40);
      painter.drawText(nameArea, Qt::AlignCenter, "Quorvex");
      font.setBold(false);
      font.setPointSizeF(7.5);
      painter.setFont(font);
      painter.setPen(QColor(0xf7, 0xb2, 0x6a));
      painter.drawText(QRectF(282, 50, 110, 20), Qt::AlignCenter, "your web shop");
      break;
    }
    case Look::kPages: {
      QLinearGradient fill(area.topLeft(), area.bottomLeft());
      fill.setColorAt(0, QColor(0xf4, 0xf7, 0xfa));
      fill.setColorAt(1, QColor(0xdc, 0xe4, 0xed));
      painter.fillRect(area, fill);
      QFont font = painter.font();
      font.setPointSizeF(8.5);
      painter.setFont(font);
      painter.setPen(QColor(0x4a, 0x55, 0x63));
      painter.drawText(area.adjusted(17, 0, -17, -8), Qt::AlignHCenter | Qt::AlignBottom,
                       caption_);
      break;
    }
  }
}

}  // namespace quorvex::ui
