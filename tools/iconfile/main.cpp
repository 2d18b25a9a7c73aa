// Makes the program file's icon: one Windows icon file holding the icon picture stretched to
// each size Windows asks for (each stored as PNG, as icon files may since Windows Vista).
// usage: kelvora-iconfile OUT.ico PICTURE SIZE...
#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

void Put16(QByteArray& out, quint16 value) {
  const quint16 little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), 2);
}

void Put32(QByteArray& out, quint32 value) {
  const quint32 little = qToLittleEndian(value);
  out.append(reinterpret_cast<const char*>(&little), 4);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: kelvora-iconfile OUT.ico PICTURE SIZE...\n");
    return 2;
  }
  const QImage picture =
      QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_ARGB32);
  if (picture.isNull()) {
    std::fprintf(stderr, "cannot read %s\n", argv[2]);
    return 1;
  }
  std::vector<QByteArray> images;
  std::vector<int> sizes;
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 1 || size > 256) {
      std::fprintf(stderr, "a size must be 1 to 256: %s\n", argv[i]);
      return 2;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .save(&buffer, "PNG");
    images.push_back(png);
    sizes.push_back(size);
  }
  // The header, one directory entry of 16 bytes a picture, then the pictures.
  QByteArray out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<quint16>(images.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    out.append(static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]));  // 0 stands for 256
    out.append(static_cast<char>(sizes[i] == 256 ? 0 : sizes[i]));
    out.append('\0');  // no palette
    out.append('\0');
    Put16(out, 1);   // colour planes
    Put16(out, 32);  // bits a pixel
    Put32(out, static_cast<quint32>(images[i].size()));
    Put32(out, offset);
    offset += static_cast<quint32>(images[i].size());
  }
  for (const QByteArray& image : images) out.append(image);
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
    std::fprintf(stderr, "cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
