// Stretches pictures to the size the game shows them at, once, at build time, and stores their
// pixels raw (32-bit 0xAARRGGBB words, row after row; ".rgb32" when the picture is opaque,
// ".argb32" when it has transparency): the game then neither decodes nor resamples them while it
// starts.
// usage: kelvora-prescale WIDTH HEIGHT OUT_FOLDER PICTURE...
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: kelvora-prescale WIDTH HEIGHT OUT_FOLDER PICTURE...\n");
    return 2;
  }
  const QSize box(std::atoi(argv[1]), std::atoi(argv[2]));
  const QDir out(QString::fromLocal8Bit(argv[3]));
  if (!out.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", argv[3]);
    return 1;
  }
  for (int i = 4; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    const QImage picture(path);
    if (picture.isNull()) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    // The same resampling the game does at run time for any other box size.
    const bool opaque = !picture.hasAlphaChannel();
    const QImage stretched =
        picture.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32)
            .scaled(box, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QString target =
        out.filePath(QFileInfo(path).completeBaseName() +
                     (opaque ? QStringLiteral(".rgb32") : QStringLiteral(".argb32")));
    QFile file(target);
    const auto bytes = static_cast<qint64>(stretched.width()) * stretched.height() * 4;
    bool written = file.open(QIODevice::WriteOnly);
    for (int y = 0; written && y < stretched.height(); ++y) {
      written = file.write(reinterpret_cast<const char*>(stretched.constScanLine(y)),
                           stretched.width() * 4) == stretched.width() * 4;
    }
    if (!written || file.size() != bytes) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(target));
      return 1;
    }
  }
  return 0;
}
