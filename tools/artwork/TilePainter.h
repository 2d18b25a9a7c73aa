// Paints the thirteen tile pictures: one piece of a coloured strand each, and the blank.
#pragma once

#include <QImage>

namespace kelvora::artwork {

constexpr int kTilePictureHeight = 160;
constexpr int kTilePictureCount = 13;

// The picture for tile code 1..13; its width is 198, 199 or 200 depending on the tile.
QImage PaintTile(int code);

}  // namespace kelvora::artwork
