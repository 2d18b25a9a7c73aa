// Drawing and clicks of a tile box.
#include "ui/TileBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace kelvora::ui {

TileBox::TileBox(PictureStore& store, QWidget* parent) : QWidget(parent), store_(store) {}

void TileBox::SetPicture(int n) {
  if (n == picture_) return;
  picture_ = n;
  // With a picture the box covers its whole area, so the window beneath need not be repainted.
  setAttribute(Qt::WA_OpaquePaintEvent, n >= 1 && n <= PictureStore::kPictureCount);
  update();
}

void TileBox::paintEvent(QPaintEvent*) {
  if (picture_ == 0) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, store_.Stretched(picture_, size(), devicePixelRatioF()));
}

void TileBox::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void TileBox::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Click();
}

}  // namespace kelvora::ui
