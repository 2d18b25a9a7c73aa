// The look of the game's widgets: Qt's Fusion with two mends.
// - The menu bar asks for no overflow icon. The bar never overflows (two menus), and loading that
//   one icon at start-up made Qt load every image-format plugin the system has.
// - A menu entry is as wide as its whole caption. Fusion sizes an entry for its caption without
//   the access key's '&' but counts the '&' when it decides whether to shorten the caption, so
//   in some faces and sizes (the browser's 12 point Gothic) it showed "バージョ…(A)".
#pragma once

#include <QProxyStyle>

namespace kelvora::ui {

class GameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  GameStyle();
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
};

// Makes GameStyle the application's style; call once, before the first window is built.
void InstallGameStyle();

}  // namespace kelvora::ui
