// A label that reports a click (press and release inside it with the left button), as the row
// arrows and the stage navigation need.
#pragma once

#include "ui/GameLabel.h"

namespace kelvora::ui {

class ClickableLabel : public GameLabel {
  Q_OBJECT

 public:
  using GameLabel::GameLabel;

  // What a click with the mouse does; the keyboard's click comes this way.
  void Click();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace kelvora::ui
