// Paints the game's icon: four linked rings in the strand colours on a transparent ground.
#pragma once

#include <QImage>

namespace kelvora::artwork {

constexpr int kIconSize = 32;

// The icon drawn at size x size pixels; every size shows the same drawing.
QImage PaintIcon(int size);

}  // namespace kelvora::artwork
