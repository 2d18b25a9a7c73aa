// Pictures the build stored as raw pixels (see tools/prescale): read without any decoding.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kelvora::ui {

// The picture in resource `path`, of the given size and format (Format_RGB32 for ".rgb32",
// Format_ARGB32 for ".argb32"); a null image when there is none of that size.
QImage RawPicture(const QString& path, QSize size, QImage::Format format);

}  // namespace kelvora::ui
