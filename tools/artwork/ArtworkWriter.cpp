// Writes every picture the game loads into an assets folder.
#include "tools/artwork/ArtworkWriter.h"

#include <QDir>
#include <QImage>

#include "tools/artwork/IconPainter.h"
#include "tools/artwork/RulesPhotoPainter.h"
#include "tools/artwork/TilePainter.h"

namespace kelvora::artwork {
namespace {

// The desktop entry wants a sharper icon than the window's title bar.
constexpr int kLargeIconSize = 256;
// The photo is shown smaller than it is stored, so this hides the block artefacts.
constexpr int kPhotoQuality = 90;

bool Save(const QImage& image, const QString& path, const char* format, int quality,
          QString* error) {
  if (image.save(path, format, quality)) return true;
  if (error != nullptr) *error = QStringLiteral("cannot write %1").arg(path);
  return false;
}

}  // namespace

bool WriteArtwork(const QString& assetsFolder, QString* error) {
  const QDir assets(assetsFolder);
  for (const char* folder : {"pictures", "icon"}) {
    if (!assets.mkpath(QString::fromLatin1(folder))) {
      if (error != nullptr)
        *error = QStringLiteral("cannot create %1").arg(assets.filePath(folder));
      return false;
    }
  }
  const QDir pictures(assets.filePath(QStringLiteral("pictures")));
  const QDir icons(assets.filePath(QStringLiteral("icon")));

  for (int code = 1; code <= kTilePictureCount; ++code) {
    const QString name = QStringLiteral("tile%1.png").arg(code, 2, 10, QLatin1Char('0'));
    if (!Save(PaintTile(code), pictures.filePath(name), "PNG", -1, error)) return false;
  }
  return Save(PaintIcon(kIconSize), icons.filePath(QStringLiteral("kelvora.png")), "PNG", -1,
              error) &&
         Save(PaintIcon(kLargeIconSize), icons.filePath(QStringLiteral("kelvora-256.png")), "PNG",
              -1, error) &&
         Save(PaintRulesPhoto(), pictures.filePath(QStringLiteral("rules.jpg")), "JPEG",
              kPhotoQuality, error);
}

}  // namespace kelvora::artwork
