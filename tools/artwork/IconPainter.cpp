// Paints the game's icon: four linked rings in the strand colours on a transparent ground.
#include "tools/artwork/IconPainter.h"

#include <QColor>
#include <QPainter>
#include <QRgb>
#include <algorithm>

#include "tools/artwork/RingChain.h"

namespace kelvora::artwork {
namespace {

// Qt's own conversion to straight alpha rounds differently with the instructions the processor
// offers, so the saved icon would depend on the machine that painted it. Exact rounding in
// integers is the same everywhere, and premultiplying it again gives back what was painted.
QImage StraightAlpha(const QImage& premultiplied) {
  QImage straight(premultiplied.size(), QImage::Format_ARGB32);
  for (int y = 0; y < premultiplied.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(straight.scanLine(y));
    for (int x = 0; x < premultiplied.width(); ++x) {
      const int alpha = qAlpha(from[x]);
      const auto unmultiply = [alpha](int channel) {
        return std::min(255, (channel * 255 + alpha / 2) / alpha);
      };
      to[x] = alpha == 0 ? 0u
                         : qRgba(unmultiply(qRed(from[x])), unmultiply(qGreen(from[x])),
                                 unmultiply(qBlue(from[x])), alpha);
    }
  }
  return straight;
}

}  // namespace

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
  return StraightAlpha(icon);
}

}  // namespace kelvora::artwork
