// Placing and painting a frame over a target.
#include "ui/TargetFrame.h"

#include <QPainter>

namespace kelvora::ui {

namespace {

// The coloured band, and the dark lines along both its edges that keep it apart from a white or
// yellow strand beneath and from a frame of a similar colour.
constexpr int kBand = 4;
constexpr int kEdge = 1;
const QColor kEdgeColour(0, 0, 0);

}  // namespace

TargetFrame::TargetFrame(const BoardTargets& targets, QColor colour)
    : QWidget(targets.Board()), targets_(targets), colour_(colour) {
  // A click falls through to the target; inside the frame the target shows, since nothing but
  // the frame is painted.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void TargetFrame::ShowOn(int target) {
  target_ = target;
  setGeometry(targets_.Geometry(target).adjusted(-kOutside, -kOutside, kOutside, kOutside));
  raise();
  show();
}

void TargetFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect();
  const QRect band = outer.adjusted(kEdge, kEdge, -kEdge, -kEdge);
  const QRect inner = band.adjusted(kBand, kBand, -kBand, -kBand);
  const QRect hole = inner.adjusted(kEdge, kEdge, -kEdge, -kEdge);
  const QRegion ring = QRegion(outer).subtracted(QRegion(hole));
  painter.setClipRegion(ring);
  painter.fillRect(outer, kEdgeColour);
  painter.fillRect(band, colour_);
  painter.fillRect(inner, kEdgeColour);
}

}  // namespace kelvora::ui
