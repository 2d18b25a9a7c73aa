// Where the committed artwork lives, and pixel helpers shared by the artwork tests.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace kelvora::artwork_test {

inline QString AssetPath(const QString& relative) {
  return QStringLiteral(KELVORA_ASSETS_DIR "/") + relative;
}

inline QString TileFile(int code) {
  return QStringLiteral("pictures/tile%1.png").arg(code, 2, 10, QLatin1Char('0'));
}

// Colour as 0xRRGGBB, so a failing comparison prints something readable.
inline std::uint32_t Rgb(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFFu;
}

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace kelvora::artwork_test
