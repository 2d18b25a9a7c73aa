// Painting of a caption on its fixed baseline.
#include "ui/GameLabel.h"

#include <QPainter>

namespace kelvora::ui {

int GameLabel::Baseline() const {
  return (font().pixelSize() * 7 + 4) / 8;
}

void GameLabel::paintEvent(QPaintEvent*) {
  if (text().isEmpty()) return;
  if (text() != laidOutText_ || font() != laidOutFont_) {
    laidOutText_ = text();
    laidOutFont_ = font();
    laidOut_ = QStaticText(laidOutText_);
    laidOut_.setTextFormat(Qt::PlainText);
    laidOut_.prepare(QTransform(), laidOutFont_);
    laidOutWidth_ = laidOut_.size().width();
  }
  QPainter painter(this);
  painter.setFont(laidOutFont_);
  painter.setPen(palette().color(QPalette::WindowText));
  // Static text is placed by its top; put its baseline where the layout wants it.
  const qreal top = Baseline() - QFontMetricsF(laidOutFont_).ascent();
  if (laidOutWidth_ > width()) {
    // A substitute face wider than the one the layout was drawn for is narrowed to fit, rather
    // than losing letters at the label's edges.
    painter.scale(width() / laidOutWidth_, 1.0);
    painter.drawStaticText(QPointF(0, top), laidOut_);
    return;
  }
  const qreal x = (alignment() & Qt::AlignLeft) ? 0 : (width() - laidOutWidth_) / 2;
  painter.drawStaticText(QPointF(x, top), laidOut_);
}

}  // namespace kelvora::ui
