// Move count, move history and match count after each move.
#include "core/Bookkeeping.h"

#include <string>

namespace kelvora {

void Bookkeeping::ShowMoveCount() {
  screen_.SetCaption(ScreenLabel::Label6, std::to_string(state_.moveCount));
  screen_.SetLabelVisible(ScreenLabel::Label6, true);
}

void Bookkeeping::RecordMoveLetter() {
  // Slides are lettered by tile index (A..P), rotations by 16 + arrow index (Q..T).
  if (state_.lastMoveKind == kTileSlide) {
    state_.moveHistory += state_.moveLetters.at(state_.clickIndex);
  } else if (state_.lastMoveKind == kRowRotation) {
    state_.moveHistory += state_.moveLetters.at(state_.clickIndex + 16);
  }
}

void Bookkeeping::CheckMatches() {
  state_.matchCount = 0;
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      // Codes compare by value, so either copy of 2, 5 or 8 matches either of its goal cells.
      if (state_.board.At(column, row) == state_.goal[column][row]) ++state_.matchCount;
    }
  }
  ShowMatchCount();
  if (state_.matchCount == 16) completion_.CompleteStage();
}

void Bookkeeping::ShowMatchCount() {
  screen_.SetCaption(ScreenLabel::Label4, std::to_string(state_.matchCount));
  screen_.SetLabelVisible(ScreenLabel::Label4, true);
}

}  // namespace kelvora
