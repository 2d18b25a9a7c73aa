// Seeded noise and the darkroom steps that make a painted scene look photographed.
#include "tools/artwork/PhotoEffects.h"

#include <QColor>
#include <algorithm>
#include <cmath>
#include <vector>

namespace kelvora::artwork {
namespace {

int ClampChannel(double value) {
  return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

double Smooth(double t) {
  return t * t * (3.0 - 2.0 * t);
}

// One pass of a running-sum blur along rows (or columns) of a plane of values.
void BoxBlurPlane(std::vector<double>& plane, int width, int height, int radius, bool alongRows) {
  const int lines = alongRows ? height : width;
  const int length = alongRows ? width : height;
  std::vector<double> line(static_cast<std::size_t>(length));
  for (int l = 0; l < lines; ++l) {
    const auto index = [&](int i) {
      return static_cast<std::size_t>(alongRows ? l * width + i : i * width + l);
    };
    for (int i = 0; i < length; ++i) line[static_cast<std::size_t>(i)] = plane[index(i)];
    double sum = 0.0;
    // Edges repeat the outermost value, so a shadow near the border does not fade to nothing.
    const auto at = [&](int i) {
      return line[static_cast<std::size_t>(std::clamp(i, 0, length - 1))];
    };
    for (int i = -radius; i <= radius; ++i) sum += at(i);
    const double span = 2.0 * radius + 1.0;
    for (int i = 0; i < length; ++i) {
      plane[index(i)] = sum / span;
      sum += at(i + radius + 1) - at(i - radius);
    }
  }
}

}  // namespace

double LatticeNoise(std::int64_t x, std::int64_t y, std::uint32_t seed) {
  auto h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull;
  h ^= static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full;
  h ^= static_cast<std::uint64_t>(seed) * 0x165667B19E3779F9ull;
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return static_cast<double>(h >> 11) / 9007199254740992.0;  // 2^53
}

double ValueNoise(double x, double y, double cell, std::uint32_t seed) {
  const double gx = x / cell;
  const double gy = y / cell;
  const double fx = std::floor(gx);
  const double fy = std::floor(gy);
  const auto ix = static_cast<std::int64_t>(fx);
  const auto iy = static_cast<std::int64_t>(fy);
  const double tx = Smooth(gx - fx);
  const double ty = Smooth(gy - fy);
  const double top = LatticeNoise(ix, iy, seed) * (1.0 - tx) + LatticeNoise(ix + 1, iy, seed) * tx;
  const double bottom =
      LatticeNoise(ix, iy + 1, seed) * (1.0 - tx) + LatticeNoise(ix + 1, iy + 1, seed) * tx;
  return top * (1.0 - ty) + bottom * ty;
}

QImage SoftenSlightly(const QImage& image) {
  const QImage source = image.convertToFormat(QImage::Format_RGB32);
  QImage result(source.size(), QImage::Format_RGB32);
  const int width = source.width();
  const int height = source.height();
  static constexpr int kWeights[3] = {1, 2, 1};
  for (int y = 0; y < height; ++y) {
    auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < width; ++x) {
      int r = 0, g = 0, b = 0;
      for (int dy = -1; dy <= 1; ++dy) {
        const auto* row =
            reinterpret_cast<const QRgb*>(source.constScanLine(std::clamp(y + dy, 0, height - 1)));
        for (int dx = -1; dx <= 1; ++dx) {
          const QRgb pixel = row[std::clamp(x + dx, 0, width - 1)];
          const int weight = kWeights[dy + 1] * kWeights[dx + 1];
          r += qRed(pixel) * weight;
          g += qGreen(pixel) * weight;
          b += qBlue(pixel) * weight;
        }
      }
      out[x] = qRgb((r + 8) / 16, (g + 8) / 16, (b + 8) / 16);
    }
  }
  return result;
}

QImage BlurAlpha(const QImage& mask, int radius) {
  const QImage source = mask.convertToFormat(QImage::Format_ARGB32);
  const int width = source.width();
  const int height = source.height();
  std::vector<double> plane(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(source.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      plane[static_cast<std::size_t>(y * width + x)] = qAlpha(row[x]);
    }
  }
  // Three box passes each way come within a few percent of a Gaussian.
  const int passRadius = std::max(1, radius / 2);
  for (int pass = 0; pass < 3; ++pass) {
    BoxBlurPlane(plane, width, height, passRadius, true);
    BoxBlurPlane(plane, width, height, passRadius, false);
  }
  QImage result(source.size(), QImage::Format_ARGB32);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
    for (int x = 0; x < width; ++x) {
      row[x] = qRgba(0, 0, 0, ClampChannel(plane[static_cast<std::size_t>(y * width + x)]));
    }
  }
  return result;
}

void Vignette(QImage& image, double strength) {
  const double cx = (image.width() - 1) / 2.0;
  const double cy = (image.height() - 1) / 2.0;
  const double farthest = cx * cx + cy * cy;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double d = ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / farthest;
      const double keep = 1.0 - strength * d * d;
      row[x] = qRgb(ClampChannel(qRed(row[x]) * keep), ClampChannel(qGreen(row[x]) * keep),
                    ClampChannel(qBlue(row[x]) * keep));
    }
  }
}

void AddGrain(QImage& image, double amount, std::uint32_t seed) {
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      // The sum of three uniform values is close enough to a bell curve for grain.
      const double luma = (LatticeNoise(x, y, seed) + LatticeNoise(x, y, seed + 1) +
                           LatticeNoise(x, y, seed + 2) - 1.5) *
                          amount * 1.4;
      const double chroma = (LatticeNoise(x, y, seed + 3) - 0.5) * amount * 0.6;
      row[x] = qRgb(ClampChannel(qRed(row[x]) + luma + chroma), ClampChannel(qGreen(row[x]) + luma),
                    ClampChannel(qBlue(row[x]) + luma - chroma));
    }
  }
}

}  // namespace kelvora::artwork
