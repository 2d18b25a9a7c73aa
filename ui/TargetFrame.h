// A frame in a colour of the caller's drawn over one target of the board: the keyboard cursor,
// or a hint. It lies over the board without taking its clicks, and leaves the board as it was
// when it moves on or hides.
#pragma once

#include <QColor>
#include <QWidget>

#include "ui/BoardTargets.h"

namespace kelvora::ui {

class TargetFrame : public QWidget {
  Q_OBJECT

 public:
  // Hidden until shown on a target; the board owns it.
  TargetFrame(const BoardTargets& targets, QColor colour);

  // Frames the target, above every other frame, and shows.
  void ShowOn(int target);
  // The target framed last; -1 before the first.
  int Target() const { return target_; }
  QColor Colour() const { return colour_; }

  // How far the frame reaches beyond the target's edge: within the gap between two tiles, so
  // frames on neighbouring tiles never overlap.
  static constexpr int kOutside = 3;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const BoardTargets& targets_;
  QColor colour_;
  int target_ = -1;
};

}  // namespace kelvora::ui
