// Click detection for labels.
#include "ui/ClickableLabel.h"

#include <QMouseEvent>

namespace kelvora::ui {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  // A hidden label takes no clicks, even from synthetic events.
  if (click && isVisible()) emit clicked();
}

}  // namespace kelvora::ui
