// Copying raw resource pixels into an image, row by row.
#include "ui/RawPicture.h"

#include <QByteArray>
#include <QResource>
#include <cstring>

namespace kelvora::ui {

QImage RawPicture(const QString& path, QSize size, QImage::Format format) {
  const QByteArray pixels = QResource(path).uncompressedData();
  const qsizetype rowBytes = qsizetype(size.width()) * 4;
  if (size.isEmpty() || pixels.size() != rowBytes * size.height()) return QImage();
  QImage image(size, format);
  for (int y = 0; y < size.height(); ++y) {
    std::memcpy(image.scanLine(y), pixels.constData() + y * rowBytes, std::size_t(rowBytes));
  }
  return image;
}

}  // namespace kelvora::ui
