// Paints the game's icon: four linked rings in the strand colours on a transparent ground.
#include "tools/artwork/IconPainter.h"

#include <QColor>
#include <QPainter>

#include "tools/artwork/RingChain.h"

namespace kelvora::artwork {

QImage PaintIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn in the units of the 32-pixel icon, so every size shows the same picture.
  painter.scale(size / static_cast<double>(kIconSize), size / static_cast<double>(kIconSize));

  RingChain chain;
  chain.spacing = 6.4;
  chain.firstCentre = QPointF(16.0 - 1.5 * chain.spacing, 16.0);
  // Upright ovals leave room for each ring's hole above and below where its neighbours pass.
  chain.radiusX = 4.7;
  chain.radiusY = 10.6;
  chain.band = 2.1;
  // A dark edge keeps the white ring visible on a light desktop.
  chain.outline = 0.55;
  chain.outlineColour = QColor(24, 20, 28);
  chain.colours = {QColor(255, 0, 0), QColor(0, 153, 0), QColor(255, 255, 0),
                   QColor(255, 255, 255)};
  PaintRingChain(painter, chain);
  painter.end();
  return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace kelvora::artwork
