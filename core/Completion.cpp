// The steps that close a solved stage, in the order the player sees and the records need them.
#include "core/Completion.h"

namespace kelvora {

void Completion::CompleteStage() {
  screen_.SetCaption(ScreenLabel::Label11, "Congratulations!");
  screen_.SetLabelVisible(ScreenLabel::Label11, true);
  screen_.Beep();
  screen_.Beep();
  // The record keeping reads moveCount and moveHistory, so it runs before they are reset.
  if (hooks_ != nullptr) {
    if (state_.gameMode == kPreparedStageMode) {
      hooks_->UpdatePreparedBest();
    } else if (state_.gameMode == kRandomStageMode) {
      hooks_->RecordRandomStage();
    }
  }
  state_.moveCount = 0;
  state_.gameActive = 0;
  // The screen already shows the goal, so there is nothing to redraw.
  display_.InitGoal();
}

}  // namespace kelvora
