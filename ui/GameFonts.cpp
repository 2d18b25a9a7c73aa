// Font families with their Debian substitutes, in order of preference.
#include "ui/GameFonts.h"

#include <QStringList>

namespace kelvora::ui {

QFont GameFont(Face face, int pixelSize, bool italic) {
  QFont font;
  switch (face) {
    case Face::kPopP:
      font.setFamilies({QStringLiteral("HGP創英角ﾎﾟｯﾌﾟ体"), QStringLiteral("RocknRoll One")});
      break;
    case Face::kPopS:
      font.setFamilies({QStringLiteral("HGS創英角ﾎﾟｯﾌﾟ体"), QStringLiteral("RocknRoll One")});
      break;
    case Face::kGothic:
      font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("BIZ UDPGothic")});
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

}  // namespace kelvora::ui
