// The hint on the board: a magenta frame over the target a click plays and "あと N 手" beside
// it, both on show until cleared.
#pragma once

#include <QString>

#include "solver/HintSource.h"
#include "ui/BoardTargets.h"

class QLabel;

namespace kelvora::ui {

class TargetFrame;

class HintOverlay {
 public:
  // Its widgets are made at the first hint and belong to the board.
  explicit HintOverlay(const BoardTargets& targets) : targets_(targets) {}

  void Present(const solver::Hint& hint);
  void Clear();
  // The target framed, or -1 while none is; the moves said to be left, on one line ("" when
  // none).
  int Target() const;
  QString MovesText() const;

 private:
  const BoardTargets& targets_;
  TargetFrame* frame_ = nullptr;
  QLabel* moves_ = nullptr;
};

}  // namespace kelvora::ui
