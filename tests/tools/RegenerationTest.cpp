// Repaints the artwork into a scratch folder: the committed files must be what the painter makes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "ArtworkFiles.h"
#include "tools/artwork/ArtworkWriter.h"

namespace kelvora::artwork_test {
namespace {

TEST(Regeneration, TilesAndIconsMatchTheCommittedPictures) {
  QTemporaryDir scratch;
  QString error;
  ASSERT_TRUE(artwork::WriteArtwork(scratch.path(), &error)) << error.toStdString();
  QStringList files = {QStringLiteral("icon/kelvora.png"), QStringLiteral("icon/kelvora-256.png")};
  for (int code = 1; code <= 13; ++code) files << TileFile(code);
  for (const QString& file : files) {
    const QImage fresh = QImage(scratch.filePath(file)).convertToFormat(QImage::Format_ARGB32);
    const QImage committed = QImage(AssetPath(file)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(fresh.isNull()) << file.toStdString();
    // Comparing whole images keeps a failure to one line; the hint says how to fix it.
    EXPECT_TRUE(fresh == committed)
        << file.toStdString() << " differs: rerun the artwork target and commit the result";
  }
}

TEST(Regeneration, ReportsAFolderItCannotCreate) {
  QTemporaryDir scratch;
  // A plain file where the pictures folder should go.
  QFile blocker(scratch.filePath(QStringLiteral("pictures")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QString error;
  EXPECT_FALSE(artwork::WriteArtwork(scratch.path(), &error));
  EXPECT_TRUE(error.contains(QStringLiteral("pictures"))) << error.toStdString();
}

}  // namespace
}  // namespace kelvora::artwork_test
