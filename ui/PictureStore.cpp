// Loading and stretching of the tile pictures compiled into the program.
#include "ui/PictureStore.h"

#include <QString>

#include "ui/RawPicture.h"

namespace kelvora::ui {

namespace {

QString Number(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

}  // namespace

const QImage& PictureStore::Picture(int n) {
  if (n < 1 || n > kPictureCount) return none_;
  if (pictures_[n].isNull()) {
    pictures_[n] = QImage(QStringLiteral(":/pictures/tile%1.png").arg(Number(n)));
  }
  return pictures_[n];
}

const QPixmap& PictureStore::Stretched(int n, QSize box, qreal pixelRatio) {
  if (n < 1 || n > kPictureCount) return noPixmap_;
  const auto key = std::make_tuple(n, box.width(), box.height(), pixelRatio);
  auto it = stretched_.find(key);
  if (it != stretched_.end()) return it->second;
  // Pictures of 198, 199 and 200 pixels all fill the whole box.
  const QSize device = (QSizeF(box) * pixelRatio).toSize();
  // The build stretched every picture to the usual box; other sizes are stretched here, once.
  QImage image = RawPicture(QStringLiteral(":/box/%1x%2/tile%3.rgb32")
                                .arg(device.width())
                                .arg(device.height())
                                .arg(Number(n)),
                            device, QImage::Format_RGB32);
  if (image.isNull()) {
    if (Picture(n).isNull()) return noPixmap_;
    image = Picture(n)
                .convertToFormat(QImage::Format_RGB32)
                .scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setDevicePixelRatio(pixelRatio);
  return stretched_.emplace(key, std::move(pixmap)).first->second;
}

}  // namespace kelvora::ui
