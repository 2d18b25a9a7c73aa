// Painting of a caption on its fixed baseline.
#include "ui/GameLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace kelvora::ui {

int GameLabel::Baseline() const {
  return (font().pixelSize() * 7 + 4) / 8;
}

void GameLabel::paintEvent(QPaintEvent*) {
  if (text().isEmpty()) return;
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  const int width = QFontMetrics(font()).horizontalAdvance(text());
  if (width > this->width()) {
    // A substitute face wider than the one the layout was drawn for is narrowed to fit, rather
    // than losing letters at the label's edges.
    painter.scale(double(this->width()) / width, 1.0);
    painter.drawText(0, Baseline(), text());
    return;
  }
  const int x = (alignment() & Qt::AlignLeft) ? 0 : (this->width() - width) / 2;
  painter.drawText(x, Baseline(), text());
}

}  // namespace kelvora::ui
