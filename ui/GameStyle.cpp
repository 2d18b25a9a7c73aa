// Fusion without the menu bar's overflow icon, and with menu entries as wide as their captions.
#include "ui/GameStyle.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace kelvora::ui {

GameStyle::GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                              const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton) {
    return QIcon();
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

QSize GameStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
  QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (type == CT_MenuItem && item != nullptr && item->text.contains(u'&')) {
    result.rwidth() += QFontMetrics(item->font).horizontalAdvance(u'&');
  }
  return result;
}

void InstallGameStyle() {
  QApplication::setStyle(new GameStyle);
}

}  // namespace kelvora::ui
