// Checks the committed tile pictures: sizes, exact strand colours, where the strand runs.
#include <gtest/gtest.h>

#include <QImage>
#include <array>
#include <cstdint>

#include "ArtworkFiles.h"

namespace kelvora::artwork_test {
namespace {

enum class Shape { kBlank, kArch, kCross, kU };

struct Tile {
  int code;
  std::uint32_t colour;
  Shape shape;
  int width;
};

constexpr std::array<Tile, 13> kTiles = {{
    {1, kRed, Shape::kArch, 200},
    {2, kRed, Shape::kCross, 200},
    {3, kRed, Shape::kU, 199},
    {4, kGreen, Shape::kArch, 200},
    {5, kGreen, Shape::kCross, 200},
    {6, kGreen, Shape::kU, 199},
    {7, kYellow, Shape::kArch, 198},
    {8, kYellow, Shape::kCross, 200},
    {9, kYellow, Shape::kU, 199},
    {10, kWhite, Shape::kArch, 198},
    {11, kWhite, Shape::kCross, 200},
    {12, kWhite, Shape::kU, 198},
    {13, kBlack, Shape::kBlank, 200},
}};

constexpr int kHeight = 160;

// Reports only the first wrong pixel of a run, so one fault does not bury the log.
void ExpectRun(const QImage& image, int y, int fromX, int toX, std::uint32_t colour) {
  for (int x = fromX; x <= toX; ++x) {
    if (Rgb(image, x, y) != colour) {
      ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << Rgb(image, x, y)
                    << ", expected " << colour;
      return;
    }
  }
}

void ExpectBlackRows(const QImage& image, int fromY, int toY) {
  for (int y = fromY; y <= toY; ++y) ExpectRun(image, y, 0, image.width() - 1, kBlack);
}

// Both legs solid on this row, black right outside them and between them. A 198-pixel picture
// lost a black column at its left, so its legs sit one column earlier.
void ExpectLegs(const QImage& image, const Tile& tile, int y) {
  const int s = tile.width == 198 ? -1 : 0;
  ExpectRun(image, y, 20 + s, 55 + s, tile.colour);
  ExpectRun(image, y, 144 + s, 179 + s, tile.colour);
  ExpectRun(image, y, 0, 19 + s, kBlack);
  ExpectRun(image, y, 56 + s, 143 + s, kBlack);
  ExpectRun(image, y, 180 + s, image.width() - 1, kBlack);
}

template <typename Check>
void ForEachTile(Shape shape, Check check) {
  for (const Tile& tile : kTiles) {
    if (tile.shape == shape) {
      SCOPED_TRACE(testing::Message() << "tile " << tile.code);
      check(tile, QImage(AssetPath(TileFile(tile.code))).convertToFormat(QImage::Format_RGB32));
    }
  }
}

TEST(TilePictures, EachLoadsWithTheSizeOfItsTile) {
  for (const Tile& tile : kTiles) {
    const QImage image(AssetPath(TileFile(tile.code)));
    EXPECT_EQ(image.size(), QSize(tile.width, kHeight)) << "tile " << tile.code;
  }
}

TEST(TilePictures, BlankIsBlackOnly) {
  ForEachTile(Shape::kBlank,
              [](const Tile&, const QImage& image) { ExpectBlackRows(image, 0, kHeight - 1); });
}

TEST(TilePictures, ArchStandsOnTwoLegsUnderABandWithBlackAbove) {
  ForEachTile(Shape::kArch, [](const Tile& tile, const QImage& image) {
    for (const int y : {70, 110, kHeight - 1}) ExpectLegs(image, tile, y);
    ExpectBlackRows(image, 0, 19);
    for (int y = 20; y <= 55; ++y) ExpectRun(image, y, 70, 128, tile.colour);
    for (int y = 56; y < kHeight; ++y) ExpectRun(image, y, 80, 118, kBlack);
  });
}

TEST(TilePictures, UHangsFromTheTopWithBlackBelow) {
  ForEachTile(Shape::kU, [](const Tile& tile, const QImage& image) {
    for (const int y : {0, 50, 90}) ExpectLegs(image, tile, y);
    ExpectBlackRows(image, 140, kHeight - 1);
    for (int y = 104; y <= 139; ++y) ExpectRun(image, y, 70, 128, tile.colour);
    for (int y = 0; y < 104; ++y) ExpectRun(image, y, 80, 118, kBlack);
  });
}

// Arch, crosses and U only join into one strand if every cross meets both edges in the strips
// where the legs are.
TEST(TilePictures, CrossMeetsTopAndBottomEdgesInsideTheStrips) {
  ForEachTile(Shape::kCross, [](const Tile& tile, const QImage& image) {
    // Slanted edges blend on their outermost pixels, so the solid runs start a little inside.
    ExpectRun(image, 0, 25, 55, tile.colour);
    ExpectRun(image, 0, 143, 173, tile.colour);
    ExpectRun(image, kHeight - 1, 145, 174, tile.colour);
    ExpectRun(image, kHeight - 1, 25, 54, tile.colour);
    for (const int y : {0, kHeight - 1}) {
      ExpectRun(image, y, 0, 17, kBlack);
      ExpectRun(image, y, 63, 136, kBlack);
      ExpectRun(image, y, 183, 199, kBlack);
    }
  });
}

TEST(TilePictures, CrossUnderStrandIsCutWhereTheOtherPassesOver) {
  ForEachTile(Shape::kCross, [](const Tile& tile, const QImage& image) {
    // Follow the middle of each strand: the one from the top left runs unbroken, the one from
    // the top right is cut once on each side of it.
    int cuts = 0;
    bool inCut = false;
    for (int y = 4; y < kHeight - 4; ++y) {
      const double down = (y + 0.5) / kHeight;
      EXPECT_EQ(Rgb(image, static_cast<int>(40.5 + 119.5 * down), y), tile.colour) << "y " << y;
      const bool black = Rgb(image, static_cast<int>(158.5 - 118.5 * down), y) == kBlack;
      cuts += black && !inCut ? 1 : 0;
      inCut = black;
    }
    EXPECT_EQ(cuts, 2);
  });
}

}  // namespace
}  // namespace kelvora::artwork_test
