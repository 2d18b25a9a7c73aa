// Paints the photograph on the rules page: the puzzle block lying on a purple cloth.
#include "tools/artwork/RulesPhotoPainter.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "tools/artwork/PhotoEffects.h"
#include "tools/artwork/RingChain.h"

namespace kelvora::artwork {
namespace {

// The scene is painted at twice the size and reduced, which softens every edge the way a lens
// does.
constexpr int kOversample = 2;
constexpr int kSceneWidth = kRulesPhotoWidth * kOversample;
constexpr int kSceneHeight = kRulesPhotoHeight * kOversample;

constexpr std::uint32_t kClothSeed = 1207;
constexpr std::uint32_t kGrainSeed = 4409;

struct Vec3 {
  double x, y, z;
};

Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
double Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(Vec3 v) {
  const double length = std::sqrt(Dot(v, v));
  return {v.x / length, v.y / length, v.z / length};
}

// A pinhole camera above and in front of the table, a little to the right.
class Camera {
 public:
  Camera(Vec3 eye, Vec3 target, double focal) : eye_(eye), focal_(focal) {
    forward_ = Normalised(target - eye);
    right_ = Normalised(Cross(forward_, {0.0, 1.0, 0.0}));
    up_ = Cross(right_, forward_);
  }

  QPointF Project(Vec3 point) const {
    const Vec3 p = point - eye_;
    const double depth = Dot(p, forward_);
    return {kSceneWidth / 2.0 + focal_ * Dot(p, right_) / depth,
            kSceneHeight / 2.0 - focal_ * Dot(p, up_) / depth};
  }

 private:
  Vec3 eye_;
  Vec3 forward_{};
  Vec3 right_{};
  Vec3 up_{};
  double focal_;
};

// The block, in table units: x to the right, y up, z towards the camera.
constexpr double kBlockWidth = 10.0;
constexpr double kBlockHeight = 2.4;
constexpr double kBlockDepth = 4.2;

struct BlockOnScreen {
  QPolygonF top;    // back-left, back-right, front-right, front-left
  QPolygonF front;  // top-left, top-right, bottom-right, bottom-left
  QPolygonF side;   // the right end: top-front, top-back, bottom-back, bottom-front
  QPolygonF footprint;
};

BlockOnScreen ProjectBlock(const Camera& camera) {
  const double l = -kBlockWidth / 2.0, r = kBlockWidth / 2.0;
  const double b = -kBlockDepth / 2.0, f = kBlockDepth / 2.0;
  const double h = kBlockHeight;
  const auto at = [&](double x, double y, double z) { return camera.Project({x, y, z}); };
  BlockOnScreen block;
  block.top << at(l, h, b) << at(r, h, b) << at(r, h, f) << at(l, h, f);
  block.front << at(l, h, f) << at(r, h, f) << at(r, 0, f) << at(l, 0, f);
  block.side << at(r, h, f) << at(r, h, b) << at(r, 0, b) << at(r, 0, f);
  block.footprint << at(l, 0, b) << at(r, 0, b) << at(r, 0, f) << at(l, 0, f);
  return block;
}

// The transform that lays a flat picture of the given size onto a face in perspective.
QTransform OntoFace(const QPolygonF& face, double width, double height) {
  QPolygonF flat;
  flat << QPointF(0, 0) << QPointF(width, 0) << QPointF(width, height) << QPointF(0, height);
  QTransform transform;
  QTransform::quadToQuad(flat, face, transform);
  return transform;
}

QRgb ClothPixel(double shade, double light, double texture) {
  // Velvet-like: shadows fall to deep violet, lit ridges lift towards lavender.
  const double v = std::clamp(shade * light * texture, 0.0, 1.6);
  const double sheen = std::max(0.0, v - 0.95) * 0.55;
  const auto channel = [&](double base) {
    return std::clamp(static_cast<int>(std::lround(base * v + 255.0 * sheen)), 0, 255);
  };
  return qRgb(channel(118.0), channel(44.0), channel(160.0));
}

// A fold of the cloth: a soft ridge along a gently bent line that fades out at both ends.
struct Fold {
  QPointF from, to;
  double width;
  double height;
  double bend;  // sideways bulge at the middle of the line
};

const std::array<Fold, 8> kFolds = {{
    {{-10, 70}, {290, -10}, 16, 11, 14},
    {{-30, 215}, {190, 95}, 20, 13, -18},
    {{30, 375}, {215, 255}, 17, 11, 10},
    {{320, 380}, {500, 225}, 22, 13, -12},
    {{370, -15}, {495, 135}, 14, 9, 8},
    {{240, 345}, {490, 305}, 11, 6, -6},
    {{130, -10}, {60, 120}, 12, 7, 9},
    {{420, 150}, {500, 60}, 12, 7, 5},
}};

double Smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3.0 - 2.0 * t);
}

double ClothHeight(double x, double y) {
  double h = 4.0 * std::sin((x * 0.80 + y * 0.60) * 0.012 + 0.7);
  h += 5.0 * (ValueNoise(x, y, 110.0, kClothSeed) - 0.5);
  for (const Fold& fold : kFolds) {
    const QPointF along = fold.to - fold.from;
    const double length = std::hypot(along.x(), along.y());
    const double ux = along.x() / length, uy = along.y() / length;
    const double rx = x - fold.from.x(), ry = y - fold.from.y();
    const double t = (rx * ux + ry * uy) / length;
    const double across =
        rx * -uy + ry * ux - fold.bend * std::sin(std::numbers::pi * std::clamp(t, 0.0, 1.0));
    const double taper = Smoothstep(-0.05, 0.25, t) * (1.0 - Smoothstep(0.75, 1.05, t));
    h += fold.height * taper * std::exp(-across * across / (2.0 * fold.width * fold.width));
  }
  return h;
}

// The cloth is lit by a lamp off the upper left; folds show as a lit flank and a shaded one.
void PaintCloth(QImage& scene) {
  const int width = scene.width();
  const int height = scene.height();
  const Vec3 lamp = Normalised({-0.55, -0.65, 0.55});
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(scene.scanLine(y));
    for (int x = 0; x < width; ++x) {
      const double fx = x, fy = y;
      const double dx = (ClothHeight(fx + 1.0, fy) - ClothHeight(fx - 1.0, fy)) / 2.0;
      const double dy = (ClothHeight(fx, fy + 1.0) - ClothHeight(fx, fy - 1.0)) / 2.0;
      const Vec3 normal = Normalised({-dx * 1.5, -dy * 1.5, 1.0});
      const double shade = 0.3 + 0.85 * std::max(0.0, Dot(normal, lamp));
      const double distance = std::hypot(fx - width * 0.2, fy + height * 0.15) / width;
      const double light = 1.2 - 0.5 * distance;
      // The weave, and fibres that catch the light unevenly.
      const double weave = 1.0 + 0.05 * std::sin(fx * 2.1) * std::sin(fy * 2.1);
      const double fibres = 0.92 + 0.16 * ValueNoise(fx, fy, 2.5, kClothSeed + 1);
      row[x] = ClothPixel(shade, light, weave * fibres);
    }
  }
}

void PaintShadow(QImage& scene, const BlockOnScreen& block) {
  QImage mask(scene.size(), QImage::Format_ARGB32);
  mask.fill(Qt::transparent);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    // The lamp at the upper left throws the shadow down and to the right.
    painter.drawPolygon(block.footprint.translated(22.0, 16.0));
    painter.drawPolygon(block.footprint);
  }
  const QImage wide = BlurAlpha(mask, 26);

  mask.fill(Qt::transparent);
  {
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 230));
    painter.drawPolygon(block.footprint.translated(3.0, 3.0));
  }
  const QImage contact = BlurAlpha(mask, 6);

  QPainter painter(&scene);
  painter.drawImage(0, 0, wide);
  painter.drawImage(0, 0, contact);
}

// A strand of linked rings centred on a face, as wide as the face allows with a margin.
RingChain StrandAcross(double faceWidth, double faceHeight, int rings, QColor colour) {
  constexpr double kSpacingPerRadius = 1.45;
  RingChain chain;
  const double fit = 0.86 * faceWidth / (kSpacingPerRadius * (rings - 1) + 2.2);
  chain.radiusX = std::min(fit, 0.34 * faceHeight);
  chain.radiusY = chain.radiusX;
  chain.spacing = chain.radiusX * kSpacingPerRadius;
  const double span = chain.spacing * (rings - 1);
  chain.firstCentre = QPointF((faceWidth - span) / 2.0, faceHeight / 2.0);
  chain.band = chain.radiusX * 0.22;
  chain.outline = chain.radiusX * 0.03;
  chain.outlineColour = QColor(0, 0, 0);
  chain.sheen = 0.45;
  chain.colours.assign(static_cast<std::size_t>(rings), colour);
  return chain;
}

// A highlight as a soft oval, in the face's own flat coordinates.
void Gloss(QPainter& painter, QRectF oval, int alpha) {
  QRadialGradient glow(oval.center(), 0.5);
  glow.setCoordinateMode(QGradient::ObjectMode);
  glow.setCenter(0.5, 0.5);
  glow.setFocalPoint(0.5, 0.5);
  glow.setColorAt(0.0, QColor(255, 255, 255, alpha));
  glow.setColorAt(0.6, QColor(255, 255, 255, alpha / 4));
  glow.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawEllipse(oval);
}

void PaintTopFace(QPainter& painter, const QPolygonF& face) {
  constexpr double kW = 1000.0, kH = 420.0;
  painter.save();
  painter.setTransform(OntoFace(face, kW, kH));
  QLinearGradient base(0, 0, kW * 0.3, kH);
  base.setColorAt(0.0, QColor(44, 40, 50));
  base.setColorAt(1.0, QColor(12, 11, 15));
  painter.fillRect(QRectF(0, 0, kW, kH), base);
  PaintRingChain(painter, StrandAcross(kW, kH, 6, QColor(214, 26, 30)));
  // The lamp's reflection, and a fainter one of the room.
  Gloss(painter, QRectF(40, -60, 580, 310), 150);
  Gloss(painter, QRectF(620, 190, 380, 220), 45);
  painter.restore();
}

void PaintFrontFace(QPainter& painter, const QPolygonF& face) {
  constexpr double kW = 1000.0, kH = 240.0;
  painter.save();
  painter.setTransform(OntoFace(face, kW, kH));
  QLinearGradient base(0, 0, 0, kH);
  base.setColorAt(0.0, QColor(22, 20, 26));
  base.setColorAt(0.7, QColor(8, 7, 10));
  // Gloss picks up the cloth along the bottom.
  base.setColorAt(1.0, QColor(58, 24, 78));
  painter.fillRect(QRectF(0, 0, kW, kH), base);
  PaintRingChain(painter, StrandAcross(kW, kH, 8, QColor(236, 234, 228)));
  Gloss(painter, QRectF(-60, -30, 620, 120), 85);
  painter.restore();
}

void PaintSideFace(QPainter& painter, const QPolygonF& face) {
  constexpr double kW = 420.0, kH = 240.0;
  painter.save();
  painter.setTransform(OntoFace(face, kW, kH));
  QLinearGradient base(0, 0, kW, kH);
  base.setColorAt(0.0, QColor(16, 15, 19));
  base.setColorAt(1.0, QColor(5, 5, 7));
  painter.fillRect(QRectF(0, 0, kW, kH), base);
  painter.restore();
}

// Rounded edges catch the light as thin bright lines, brightest where they face the lamp.
void PaintEdges(QPainter& painter, const BlockOnScreen& block) {
  const auto edge = [&](QPointF from, QPointF to, int alphaFrom, int alphaTo, double width) {
    QLinearGradient fade(from, to);
    fade.setColorAt(0.0, QColor(235, 230, 245, alphaFrom));
    fade.setColorAt(1.0, QColor(235, 230, 245, alphaTo));
    painter.setPen(QPen(QBrush(fade), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
  };
  edge(block.top[3], block.top[2], 190, 70, 1.8);     // front top edge
  edge(block.top[0], block.top[1], 120, 40, 1.2);     // back top edge
  edge(block.top[0], block.top[3], 150, 110, 1.4);    // left top edge
  edge(block.top[1], block.top[2], 60, 90, 1.4);      // right top edge
  edge(block.front[1], block.front[2], 70, 20, 1.2);  // front right corner
}

}  // namespace

QImage PaintRulesPhoto() {
  QImage scene(kSceneWidth, kSceneHeight, QImage::Format_RGB32);
  PaintCloth(scene);

  const Camera camera({6.8, 9.5, 12.5}, {0.3, 0.6, 0.0}, 470.0);
  const BlockOnScreen block = ProjectBlock(camera);
  PaintShadow(scene, block);
  {
    QPainter painter(&scene);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintSideFace(painter, block.side);
    PaintFrontFace(painter, block.front);
    PaintTopFace(painter, block.top);
    PaintEdges(painter, block);
  }

  QImage photo = scene
                     .scaled(kRulesPhotoWidth, kRulesPhotoHeight, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation)
                     .convertToFormat(QImage::Format_RGB32);
  photo = SoftenSlightly(photo);
  Vignette(photo, 0.38);
  AddGrain(photo, 5.0, kGrainSeed);
  return photo;
}

}  // namespace kelvora::artwork
