// Paints the thirteen tile pictures: one piece of a coloured strand each, and the blank.
#include "tools/artwork/TilePainter.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <stdexcept>

namespace kelvora::artwork {
namespace {

enum class Shape { kNone, kArch, kCross, kU };

struct TileLook {
  QColor colour;
  Shape shape;
  int width;
  int leftTrim;  // black columns dropped at the left of the 200-wide drawing
};

constexpr int kDrawingWidth = 200;
constexpr double kHeight = kTilePictureHeight;
constexpr double kThickness = 36.0;

// Every piece is drawn beyond the top and bottom edges so that clipping, not antialiasing, makes
// the ends: a strand leaving one picture then meets the next one without a faint seam.
constexpr double kOverhang = 8.0;

// The legs of the arch and the U: their outer edges sit on whole pixels, so they stay crisp.
constexpr double kLeftLegOuter = 20.0;
constexpr double kRightLegOuter = 180.0;
constexpr double kBandOuter = 20.0;  // black kept above the arch, and below the U
// A wide outer curve with a tight inner one reads as a bent strand rather than a bracket.
constexpr double kOuterRadius = 46.0;
constexpr double kInnerRadius = kOuterRadius - kThickness;

// The black that the upper strand of the cross cuts into the lower one, on each side.
constexpr double kCrossingGap = 4.5;

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);

TileLook LookFor(int code) {
  // Widths other than 200 carry the same drawing with a black column less at one or both sides;
  // a 198 drops one at each side, which moves the strand one pixel to the left.
  static const std::array<TileLook, kTilePictureCount> kLooks = {{
      {kRed, Shape::kArch, 200, 0},
      {kRed, Shape::kCross, 200, 0},
      {kRed, Shape::kU, 199, 0},
      {kGreen, Shape::kArch, 200, 0},
      {kGreen, Shape::kCross, 200, 0},
      {kGreen, Shape::kU, 199, 0},
      {kYellow, Shape::kArch, 198, 1},
      {kYellow, Shape::kCross, 200, 0},
      {kYellow, Shape::kU, 199, 0},
      {kWhite, Shape::kArch, 198, 1},
      {kWhite, Shape::kCross, 200, 0},
      {kWhite, Shape::kU, 198, 1},
      {QColor(Qt::black), Shape::kNone, 200, 0},
  }};
  if (code < 1 || code > kTilePictureCount) {
    throw std::out_of_range("tile code outside 1..13");
  }
  return kLooks[static_cast<std::size_t>(code - 1)];
}

// The arch as one outline: up the outer left edge, over the band, down the outer right edge,
// then back up and over along the inside.
QPainterPath ArchPath() {
  const double bottom = kHeight + kOverhang;
  const double d = 2.0 * kOuterRadius;
  const double leftInner = kLeftLegOuter + kThickness;
  const double rightInner = kRightLegOuter - kThickness;
  const double bandInner = kBandOuter + kThickness;
  const double di = 2.0 * kInnerRadius;

  QPainterPath path;
  path.moveTo(kLeftLegOuter, bottom);
  path.lineTo(kLeftLegOuter, kBandOuter + kOuterRadius);
  path.arcTo(QRectF(kLeftLegOuter, kBandOuter, d, d), 180.0, -90.0);
  path.lineTo(kRightLegOuter - kOuterRadius, kBandOuter);
  path.arcTo(QRectF(kRightLegOuter - d, kBandOuter, d, d), 90.0, -90.0);
  path.lineTo(kRightLegOuter, bottom);
  path.lineTo(rightInner, bottom);
  path.lineTo(rightInner, bandInner + kInnerRadius);
  path.arcTo(QRectF(rightInner - di, bandInner, di, di), 0.0, 90.0);
  path.lineTo(leftInner + kInnerRadius, bandInner);
  path.arcTo(QRectF(leftInner, bandInner, di, di), 90.0, 90.0);
  path.lineTo(leftInner, bottom);
  path.closeSubpath();
  return path;
}

// The U is the arch turned upside down, so both bends match when a column closes.
QPainterPath UPath() {
  return QTransform(1.0, 0.0, 0.0, -1.0, 0.0, kHeight).map(ArchPath());
}

// A straight strand given by where its left and right edges cross the top and bottom edges; the
// edges are extended past the picture so the ends are cut square by the picture's border.
QPainterPath SlantedStrand(double topLeft, double topRight, double bottomLeft, double bottomRight) {
  const auto at = [](double top, double bottomX, double y) {
    return top + (bottomX - top) * y / kHeight;
  };
  const double above = -kOverhang;
  const double below = kHeight + kOverhang;
  QPainterPath path;
  path.moveTo(at(topLeft, bottomLeft, above), above);
  path.lineTo(at(topRight, bottomRight, above), above);
  path.lineTo(at(topRight, bottomRight, below), below);
  path.lineTo(at(topLeft, bottomLeft, below), below);
  path.closeSubpath();
  return path;
}

void PaintCross(QPainter& painter, const QColor& colour) {
  // Pixel runs 22..58 at the top to 142..177 at the bottom, and 140..176 to 22..57.
  const QPainterPath over = SlantedStrand(22.0, 59.0, 142.0, 178.0);
  const QPainterPath under = SlantedStrand(140.0, 177.0, 22.0, 58.0);
  painter.fillPath(under, colour);
  // Cutting a black margin around the upper strand into the lower one tells which lies on top
  // without shading that would disturb the flat colour.
  painter.strokePath(
      over, QPen(Qt::black, 2.0 * kCrossingGap, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.fillPath(over, colour);
}

}  // namespace

QImage PaintTile(int code) {
  const TileLook look = LookFor(code);
  QImage drawing(kDrawingWidth, kTilePictureHeight, QImage::Format_RGB32);
  drawing.fill(Qt::black);
  {
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    switch (look.shape) {
      case Shape::kArch:
        painter.fillPath(ArchPath(), look.colour);
        break;
      case Shape::kU:
        painter.fillPath(UPath(), look.colour);
        break;
      case Shape::kCross:
        PaintCross(painter, look.colour);
        break;
      case Shape::kNone:
        break;
    }
  }
  return drawing.copy(look.leftTrim, 0, look.width, kTilePictureHeight);
}

}  // namespace kelvora::artwork
