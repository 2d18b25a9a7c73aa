// One of the 16 tile boxes: shows a picture of the store stretched to the box, and reports clicks.
#pragma once

#include <QWidget>

#include "ui/PictureStore.h"

namespace kelvora::ui {

class TileBox : public QWidget {
  Q_OBJECT

 public:
  TileBox(PictureStore& store, QWidget* parent);

  // 0 until a picture is set: the box then shows nothing and the window shows through.
  int PictureNumber() const { return picture_; }
  void SetPicture(int n);

  // What a click with the mouse does; the keyboard's click comes this way.
  void Click() { emit clicked(); }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  PictureStore& store_;
  int picture_ = 0;
  bool pressed_ = false;
};

}  // namespace kelvora::ui
