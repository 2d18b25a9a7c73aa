// A filled rectangle with a one-pixel border: the column bars and the colour markers.
#pragma once

#include <QColor>
#include <QWidget>

namespace kelvora::ui {

class ShapeBox : public QWidget {
 public:
  ShapeBox(QColor fill, QWidget* parent);
  QColor Fill() const { return fill_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace kelvora::ui
