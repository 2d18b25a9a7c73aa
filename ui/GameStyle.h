// The look of the game's widgets: Qt's Fusion, except that the menu bar asks for no overflow
// icon. The bar never overflows (two menus), and loading that one icon at start-up made Qt load
// every image-format plugin the system has.
#pragma once

#include <QProxyStyle>

namespace kelvora::ui {

class GameStyle : public QProxyStyle {
  Q_OBJECT

 public:
  GameStyle();
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

// Makes GameStyle the application's style; call once, before the first window is built.
void InstallGameStyle();

}  // namespace kelvora::ui
