#include "ui/navigator_button.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quorvex::ui {

namespace {

// The navigator's colours: a deep blue for the groups, an orange accent for
// what is selected or under the pointer.
const QColor kGroupTop(0x2f, 0x5d, 0x8a);
const QColor kGroupBottom(0x1f, 0x40, 0x63);
const QColor kAccent(0xf0, 0x8a, 0x24);
const QColor kAccentLight(0xf7, 0xb2, 0x6a);
const QColor kCardText(0x24, 0x2c, 0x36);
// Where a tool button's icon starts, in the coordinates of its pane.
constexpr int kToolIconTop = 30;

QPainterPath roundedRect(const QRectF& rect, qreal radius) {
  QPainterPath path;
  path.addRoundedRect(rect, radius, radius);
  return path;
}

// `text` word-wrapped into `area` with `metrics`; when it needs more lines
// than fit, the last line that fits ends in an ellipsis after a whole word,
// so that a card never shows half a line.
QString fittedText(const QString& text, const QFontMetricsF& metrics, const QRectF& area) {
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  auto fits = [&](const QString& candidate) {
    return metrics.boundingRect(area, flags, candidate).height() <= area.height();
  };
  if (fits(text)) return text;
  QStringList words = text.split(' ', Qt::SkipEmptyParts);
  while (!words.isEmpty()) {
    words.removeLast();
    const QString shortened = words.join(' ') + QChar(0x2026);
    if (fits(shortened)) return shortened;
  }
  return QString();
}

}  // namespace

NavigatorButton::NavigatorButton(Look look, int command, const QString& text, QWidget* parent,
                                 int number, const QIcon& icon, const QString& hint)
    : QAbstractButton(parent),
      look_(look),
      command_(command),
      number_(number),
      icon_(icon),
      hint_(hint) {
  setText(text);
  setAccessibleName(text);
  setToolTip(QString(text).replace('\n', ' '));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
  if (look != Look::kGroup) setCursor(Qt::PointingHandCursor);
}

void NavigatorButton::setSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  update();
}

void NavigatorButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  switch (look_) {
    case Look::kGroup: paintGroup(painter); break;
    case Look::kTool: paintTool(painter); break;
    case Look::kStep: paintStep(painter); break;
  }
}

void NavigatorButton::paintGroup(QPainter& painter) const {
  const QRectF box = QRectF(rect()).adjusted(2, 3, -2, -3);
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  if (selected_) {
    fill.setColorAt(0, kAccentLight);
    fill.setColorAt(1, kAccent);
  } else {
    fill.setColorAt(0, lit() ? kGroupTop.lighter(125) : kGroupTop);
    fill.setColorAt(1, lit() ? kGroupBottom.lighter(125) : kGroupBottom);
  }
  painter.setPen(QPen(QColor(255, 255, 255, selected_ ? 200 : 60), 1));
  painter.setBrush(fill);
  painter.drawPath(roundedRect(box, 8));

  QFont font = painter.font();
  font.setBold(true);
  font.setPointSizeF(9.5);
  painter.setFont(font);
  painter.setPen(selected_ ? kCardText : Qt::white);
  painter.drawText(box.adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, text());
}

void NavigatorButton::paintTool(QPainter& painter) const {
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  if (isDown()) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawPath(roundedRect(box, 6));
  } else if (lit()) {
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
    painter.setBrush(QColor(255, 255, 255, 35));
    painter.drawPath(roundedRect(box, 6));
  }
  // The buttons' rectangles differ in height and top; their icons and labels
  // line up across the pane all the same.
  const int iconSize = 24;
  const QRect iconRect((width() - iconSize) / 2, kToolIconTop - y(), iconSize, iconSize);
  icon_.paint(&painter, iconRect);

  QFont font = painter.font();
  font.setPointSizeF(7.5);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, iconRect.bottom() + 2, width(), height() - iconRect.bottom() - 2),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text());
}

void NavigatorButton::paintStep(QPainter& painter) const {
  const qreal shift = isDown() ? 2 : 0;
  const QRectF card = QRectF(rect()).adjusted(4 + shift, 4 + shift, -6 + shift, -6 + shift);

  // A soft shadow, then the white card with a coloured band for the number.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 45));
  painter.drawPath(roundedRect(card.translated(3, 3), 10));
  painter.setBrush(Qt::white);
  painter.setPen(QPen(lit() ? kAccent : QColor(0xc8, 0xd0, 0xda), lit() ? 2.5 : 1));
  painter.drawPath(roundedRect(card, 10));

  const QRectF band(card.left(), card.top(), card.width(), 58);
  QPainterPath bandPath = roundedRect(band, 10);
  QPainterPath lowerEdge;
  lowerEdge.addRect(band.adjusted(0, 20, 0, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(lit() ? kAccent : kGroupTop);
  painter.drawPath(bandPath.united(lowerEdge));

  QFont font = painter.font();
  font.setBold(true);
  font.setPointSizeF(22);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(band, Qt::AlignCenter, QString::number(number_));

  font.setPointSizeF(9);
  painter.setFont(font);
  painter.setPen(kCardText);
  const QRectF textArea = card.adjusted(8, band.height() + 8, -8, -8);
  QRectF titleArea;
  painter.drawText(textArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text(),
                   &titleArea);

  font.setBold(false);
  font.setPointSizeF(7.5);
  painter.setFont(font);
  painter.setPen(QColor(0x5f, 0x6b, 0x7a));
  const QRectF hintArea = textArea.adjusted(0, titleArea.height() + 6, 0, 0);
  painter.drawText(hintArea, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                   fittedText(hint_, QFontMetricsF(font), hintArea));
}

}  // namespace quorvex::ui
