// Fusion without the menu bar's overflow icon.
#include "ui/GameStyle.h"

#include <QApplication>
#include <QStyleFactory>

namespace kelvora::ui {

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    return QIcon();
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

void InstallGameStyle() {
  QApplication::setStyle(new GameStyle);
}

}  // namespace kelvora::ui
