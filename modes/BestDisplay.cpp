// Showing the best result of the mode in play.
#include "modes/BestDisplay.h"

#include <string>

namespace kelvora {

void BestDisplay::ShowBest() {
  screen_.SetLabelVisible(ScreenLabel::Label9, true);
  screen_.SetLabelVisible(ScreenLabel::Label10, true);
  if (state_.gameMode == kPreparedStageMode) {
    screen_.SetCaption(ScreenLabel::Label10,
                       std::to_string(tables_.bestMoves.at(state_.stageNumber)));
  } else if (state_.gameMode == kRandomStageMode) {
    screen_.SetCaption(ScreenLabel::Label10, std::to_string(tables_.randomBest));
  }
}

}  // namespace kelvora
