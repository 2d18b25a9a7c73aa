// Font families with their Debian substitutes, in order of preference.
#include "ui/GameFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace kelvora::ui {

namespace {

// The desktop families the layout names, and the free faces that stand in for them.
QString PopPFamily() {
  return QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体");
}
QString PopSFamily() {
  return QStringLiteral("HGS創英角ﾎﾟｯﾌﾟ体");
}
QString PopSubstitute() {
  return QStringLiteral("RocknRoll One");
}
QString GothicFamily() {
  return QStringLiteral("ＭＳ Ｐゴシック");
}
QString GothicSubstitute() {
  return QStringLiteral("BIZ UDPGothic");
}

}  // namespace

QFont GameFont(Face face, int pixelSize, bool italic) {
  QFont font;
  switch (face) {
    case Face::kPopP:
      font.setFamilies({PopPFamily(), PopSubstitute()});
      break;
    case Face::kPopS:
      font.setFamilies({PopSFamily(), PopSubstitute()});
      break;
    case Face::kGothic:
      font.setFamilies({GothicFamily(), GothicSubstitute()});
      break;
  }
  font.setPixelSize(pixelSize);
  // At these sizes hinting changes nothing the eye sees, and running the hinting programs of
  // large Japanese faces costs the first paint more than anything else in the window.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setWeight(QFont::Bold);
  font.setItalic(italic);
  // Every caption's letters are in the face itself (a test keeps it so), so Qt need not look
  // for faces to borrow missing letters from.
  font.setStyleStrategy(QFont::NoFontMerging);
  return font;
}

QFont MenuFont() {
  QFont font = GameFont(Face::kGothic, 12);
  font.setWeight(QFont::Normal);
  font.setHintingPreference(QFont::PreferDefaultHinting);
  return font;
}

void LoadSubstituteFaces(const QString& programFolder) {
  const QDir fonts(QDir(programFolder).filePath(QStringLiteral("fonts")));
  if (!fonts.exists()) return;
  const bool systemWritesJapanese = !QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
  struct Substitute {
    QStringList originals;
    QString family;
    QStringList files;
  };
  const Substitute substitutes[] = {
      {{PopPFamily(), PopSFamily()}, PopSubstitute(), {QStringLiteral("RocknRollOne-Regular.ttf")}},
      {{GothicFamily()},
       GothicSubstitute(),
       {QStringLiteral("BIZUDPGothic-Regular.ttf"), QStringLiteral("BIZUDPGothic-Bold.ttf")}},
  };
  for (const Substitute& substitute : substitutes) {
    bool present = QFontDatabase::hasFamily(substitute.family);
    for (const QString& original : substitute.originals) {
      present = present || QFontDatabase::hasFamily(original);
    }
    if (present) continue;
    for (const QString& file : substitute.files) {
      QFontDatabase::addApplicationFont(fonts.filePath(file));
    }
  }
  // A browser page has only Qt's few Latin faces: without this its message boxes and dialogs
  // would show empty boxes for every Japanese letter.
  if (!systemWritesJapanese && QFontDatabase::hasFamily(GothicSubstitute())) {
    QFont font = QGuiApplication::font();
    font.setFamilies({GothicSubstitute()});
    QGuiApplication::setFont(font);
  }
}

}  // namespace kelvora::ui
