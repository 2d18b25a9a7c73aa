// Checks the committed icons and rules photograph: sizes, transparency, colours where expected.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <string>

#include "ArtworkFiles.h"

namespace kelvora::artwork_test {
namespace {

using ColourTest = std::function<bool(QRgb)>;

// Opaque pixels passing the test, and their mean x.
std::pair<int, double> FindOpaque(const QImage& image, const ColourTest& test) {
  int count = 0;
  double sumX = 0.0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(image.pixel(x, y)) >= 200 && test(image.pixel(x, y))) {
        ++count;
        sumX += x;
      }
    }
  }
  return {count, count > 0 ? sumX / count : 0.0};
}

class Icon : public ::testing::TestWithParam<std::pair<const char*, int>> {
 protected:
  QImage icon_ = QImage(AssetPath(QString::fromLatin1(GetParam().first)))
                     .convertToFormat(QImage::Format_ARGB32);
};

TEST_P(Icon, ShowsRedGreenYellowWhiteRingsLeftToRightOnATransparentSquare) {
  const int size = GetParam().second;
  ASSERT_EQ(icon_.size(), QSize(size, size));
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{size - 1, 0}, std::pair{0, size - 1},
                             std::pair{size - 1, size - 1}, std::pair{size / 2, 0}}) {
    EXPECT_EQ(qAlpha(icon_.pixel(x, y)), 0) << "at " << x << ", " << y;
  }
  const std::array<ColourTest, 4> rings = {
      [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 80 && qBlue(p) < 80; },
      [](QRgb p) { return qGreen(p) > 110 && qRed(p) < 80 && qBlue(p) < 80; },
      [](QRgb p) { return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) < 80; },
      [](QRgb p) { return qRed(p) > 220 && qGreen(p) > 220 && qBlue(p) > 220; }};
  double previousX = -1.0;
  for (std::size_t ring = 0; ring < rings.size(); ++ring) {
    const auto [count, meanX] = FindOpaque(icon_, rings[ring]);
    // Enough that a missing ring cannot hide behind a few stray pixels.
    EXPECT_GE(count, size * size / 100) << "ring " << ring;
    EXPECT_GT(meanX, previousX) << "ring " << ring << " is not right of the one before";
    previousX = meanX;
  }
}

TEST_P(Icon, WhiteRingStandsOutOnAWhiteDesktop) {
  QImage onWhite(icon_.size(), QImage::Format_RGB32);
  onWhite.fill(Qt::white);
  QPainter(&onWhite).drawImage(0, 0, icon_);
  // The right-most strip holds the white ring alone; without its dark edge it would vanish here.
  int visible = 0;
  for (int y = 0; y < onWhite.height(); ++y) {
    for (int x = onWhite.width() * 13 / 16; x < onWhite.width(); ++x) {
      visible += qGray(onWhite.pixel(x, y)) < 150 ? 1 : 0;
    }
  }
  EXPECT_GE(visible, onWhite.width() * onWhite.height() / 50);
}

INSTANTIATE_TEST_SUITE_P(BothSizes, Icon,
                         ::testing::Values(std::pair{"icon/kelvora.png", 32},
                                           std::pair{"icon/kelvora-256.png", 256}),
                         [](const auto& sized) {
                           return std::to_string(sized.param.second) + "px";
                         });

TEST(RulesPhoto, IsA240By180ColourPictureWithPurpleClothAtTheEdges) {
  const QImage photo =
      QImage(AssetPath(QStringLiteral("pictures/rules.jpg"))).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(photo.size(), QSize(240, 180));
  int purple = 0, border = 0;
  for (int y = 0; y < photo.height(); ++y) {
    for (int x = 0; x < photo.width(); ++x) {
      if (x >= 8 && y >= 8 && x < photo.width() - 8 && y < photo.height() - 8) continue;
      const QRgb p = photo.pixel(x, y);
      ++border;
      purple += qRed(p) > qGreen(p) + 15 && qBlue(p) > qGreen(p) + 15 ? 1 : 0;
    }
  }
  EXPECT_GE(purple, border * 9 / 10);
}

TEST(RulesPhoto, ShowsTheBlackBlockWithItsRedAndWhiteStrands) {
  // Only the middle: the vignetted corners are dark too.
  const QImage middle = QImage(AssetPath(QStringLiteral("pictures/rules.jpg")))
                            .convertToFormat(QImage::Format_ARGB32)
                            .copy(40, 30, 160, 120);
  const auto count = [&](const ColourTest& test) { return FindOpaque(middle, test).first; };
  EXPECT_GE(count([](QRgb p) { return qGray(p) < 40; }), 160 * 120 / 6);
  EXPECT_GE(count([](QRgb p) { return qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }), 40);
  EXPECT_GE(count([](QRgb p) { return qRed(p) > 180 && qGreen(p) > 180 && qBlue(p) > 180; }), 40);
}

}  // namespace
}  // namespace kelvora::artwork_test
