// Paints a row of rings, each linked through its neighbour: the icon and the rules photo use it.
#include "tools/artwork/RingChain.h"

#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace kelvora::artwork {
namespace {

QPointF CentreOf(const RingChain& chain, std::size_t ring) {
  return chain.firstCentre + QPointF(chain.spacing * static_cast<double>(ring), 0.0);
}

void PaintRing(QPainter& painter, const RingChain& chain, std::size_t ring) {
  const QPointF centre = CentreOf(chain, ring);
  const QRectF ellipse(centre.x() - chain.radiusX, centre.y() - chain.radiusY, 2.0 * chain.radiusX,
                       2.0 * chain.radiusY);
  const QColor& colour = chain.colours[ring];
  painter.setBrush(Qt::NoBrush);
  if (chain.outline > 0.0) {
    painter.setPen(QPen(chain.outlineColour, chain.band + 2.0 * chain.outline));
    painter.drawEllipse(ellipse);
  }
  painter.setPen(QPen(colour, chain.band));
  painter.drawEllipse(ellipse);
  if (chain.sheen > 0.0) {
    QColor light = colour.lighter(160);
    light.setAlphaF(static_cast<float>(chain.sheen));
    const double shift = chain.band * 0.18;
    painter.setPen(QPen(light, chain.band * 0.3));
    painter.drawEllipse(ellipse.adjusted(-shift, -shift, -shift, -shift));
  }
}

// Where a ring and its right-hand neighbour cross above the middle: the rings have the same size,
// so the crossing lies halfway between their centres.
QRectF UpperCrossing(const RingChain& chain, std::size_t left) {
  const double half = chain.spacing / 2.0;
  const double ratio = half / chain.radiusX;
  const QPointF centre = CentreOf(chain, left);
  const double x = centre.x() + half;
  const double y = centre.y() - chain.radiusY * std::sqrt(std::max(0.0, 1.0 - ratio * ratio));
  // Wide enough that the clip's border falls where the two bands no longer touch.
  const double reach = 1.4 * (chain.band + 2.0 * chain.outline);
  return QRectF(x - reach, y - reach, 2.0 * reach, 2.0 * reach);
}

}  // namespace

void PaintRingChain(QPainter& painter, const RingChain& chain) {
  painter.save();
  // Left to right, each ring lies over its left neighbour at both crossings; redrawing the left
  // ring at the upper crossing makes them alternate, and alternation is what reads as linked.
  for (std::size_t ring = 0; ring < chain.colours.size(); ++ring) {
    PaintRing(painter, chain, ring);
  }
  for (std::size_t ring = 0; ring + 1 < chain.colours.size(); ++ring) {
    painter.save();
    painter.setClipRect(UpperCrossing(chain, ring), Qt::IntersectClip);
    PaintRing(painter, chain, ring);
    painter.restore();
  }
  painter.restore();
}

}  // namespace kelvora::artwork
