// Painting of the bars and markers.
#include "ui/ShapeBox.h"

#include <QPainter>

namespace kelvora::ui {

ShapeBox::ShapeBox(QColor fill, QWidget* parent) : QWidget(parent), fill_(fill) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The border takes the desktop's window-text colour, black on a standard scheme.
  painter.fillRect(rect(), palette().color(QPalette::WindowText));
  painter.fillRect(rect().adjusted(1, 1, -1, -1), fill_);
}

}  // namespace kelvora::ui
