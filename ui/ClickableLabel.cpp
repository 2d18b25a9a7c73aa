// Click detection for labels.
#include "ui/ClickableLabel.h"

#include <QMouseEvent>

namespace kelvora::ui {

void ClickableLabel::Click() {
  // A hidden label takes no clicks, even from synthetic events or the keyboard.
  if (isVisible()) emit clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Click();
}

}  // namespace kelvora::ui
