// The 13 tile pictures, numbered by tile code: each decoded only when first needed, and
// stretched once per box size (for the usual box, at build time).
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <array>
#include <map>
#include <tuple>

#include "core/Tiles.h"

namespace kelvora::ui {

class PictureStore {
 public:
  static constexpr int kPictureCount = kLastTileCode;

  // Picture number n (1..13) as it was drawn; a null image for any other number.
  const QImage& Picture(int n);

  // Picture n stretched to a box of the given logical size at the given pixel ratio.
  const QPixmap& Stretched(int n, QSize box, qreal pixelRatio);

 private:
  std::array<QImage, kPictureCount + 1> pictures_;
  std::map<std::tuple<int, int, int, qreal>, QPixmap> stretched_;
  QImage none_;
  QPixmap noPixmap_;
};

}  // namespace kelvora::ui
