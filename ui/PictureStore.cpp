// Loading and stretching of the tile pictures compiled into the program.
#include "ui/PictureStore.h"

#include <QString>

namespace kelvora::ui {

PictureStore::PictureStore() {
  for (int n = 1; n <= kPictureCount; ++n) {
    pictures_[n] = QImage(QStringLiteral(":/pictures/tile%1.png").arg(n, 2, 10, QLatin1Char('0')));
  }
}

const QImage& PictureStore::Picture(int n) const {
  if (n < 1 || n > kPictureCount) return none_;
  return pictures_[n];
}

const QPixmap& PictureStore::Stretched(int n, QSize box, qreal pixelRatio) {
  if (n < 1 || n > kPictureCount || pictures_[n].isNull()) return noPixmap_;
  const auto key = std::make_tuple(n, box.width(), box.height(), pixelRatio);
  auto it = stretched_.find(key);
  if (it != stretched_.end()) return it->second;
  // Pictures of 198, 199 and 200 pixels all fill the whole box.
  const QSize device = (QSizeF(box) * pixelRatio).toSize();
  QPixmap pixmap = QPixmap::fromImage(
      pictures_[n].scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  pixmap.setDevicePixelRatio(pixelRatio);
  return stretched_.emplace(key, std::move(pixmap)).first->second;
}

}  // namespace kelvora::ui
