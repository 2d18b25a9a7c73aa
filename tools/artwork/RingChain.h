// Paints a row of rings, each linked through its neighbour: the icon and the rules photo use it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <vector>

namespace kelvora::artwork {

struct RingChain {
  QPointF firstCentre;
  double spacing = 0.0;  // between neighbouring centres, along x
  double radiusX = 0.0;  // of the ring's middle line
  double radiusY = 0.0;
  double band = 0.0;     // width of the coloured ring
  double outline = 0.0;  // dark edge on each side of the band; 0 for none
  QColor outlineColour;
  double sheen = 0.0;           // 0..1: a lighter line along the band that makes it look rounded
  std::vector<QColor> colours;  // one per ring, left to right
};

void PaintRingChain(QPainter& painter, const RingChain& chain);

}  // namespace kelvora::artwork
