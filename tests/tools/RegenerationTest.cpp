// Repaints the artwork into a scratch folder: the committed files must be what the painter makes.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "ArtworkFiles.h"
#include "tools/artwork/ArtworkWriter.h"

namespace kelvora::artwork_test {
namespace {

void ExpectTheCommittedPictures(const QTemporaryDir& scratch, const char* hint) {
  QStringList files = {QStringLiteral("icon/kelvora.png"), QStringLiteral("icon/kelvora-256.png"),
                       QStringLiteral("pictures/rules.jpg")};
  for (int code = 1; code <= 13; ++code) files << TileFile(code);
  for (const QString& file : files) {
    const QImage fresh = QImage(scratch.filePath(file)).convertToFormat(QImage::Format_ARGB32);
    const QImage committed = QImage(AssetPath(file)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(fresh.isNull()) << file.toStdString();
    // Comparing whole images keeps a failure to one line; the hint says how to fix it.
    EXPECT_TRUE(fresh == committed) << file.toStdString() << " differs: " << hint;
  }
}

TEST(Regeneration, TilesIconsAndPhotoMatchTheCommittedPictures) {
  QTemporaryDir scratch;
  QString error;
  ASSERT_TRUE(artwork::WriteArtwork(scratch.path(), &error)) << error.toStdString();
  ExpectTheCommittedPictures(scratch, "rerun the artwork target and commit the result");
}

#ifdef KELVORA_PLAIN_PROCESSOR
// Qt blends and converts pixels with routines chosen for the processor, and they may round
// differently; the committed pictures must come out of any of them.
TEST(Regeneration, AProcessorWithoutQtsOptionalInstructionsPaintsTheSamePictures) {
  QTemporaryDir scratch;
  QProcess painter;
  painter.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  painter.start(QStringLiteral(KELVORA_PLAIN_PROCESSOR),
                {QStringLiteral(KELVORA_ARTWORK_MODULE), scratch.path()});
  ASSERT_TRUE(painter.waitForFinished(60000));
  ASSERT_EQ(painter.exitStatus(), QProcess::NormalExit);
  ASSERT_EQ(painter.exitCode(), 0);
  ExpectTheCommittedPictures(scratch, "the painter depends on the processor's instructions");
}
#endif

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
