// Paints the photograph on the rules page: the puzzle block lying on a purple cloth.
#pragma once

#include <QImage>

namespace kelvora::artwork {

constexpr int kRulesPhotoWidth = 240;
constexpr int kRulesPhotoHeight = 180;

QImage PaintRulesPhoto();

}  // namespace kelvora::artwork
