// What follows every accepted move: the move count, the move's letter, and the match count.
#pragma once

#include "core/Completion.h"
#include "core/GameState.h"
#include "core/Screen.h"

namespace kelvora {

class Bookkeeping {
 public:
  Bookkeeping(GameState& state, Screen& screen, Completion& completion)
      : state_(state), screen_(screen), completion_(completion) {}

  void ShowMoveCount();
  // Appends the letter of the last accepted move (by lastMoveKind and clickIndex).
  void RecordMoveLetter();
  // Counts the cells equal to the goal, shows the count, and completes the stage at 16.
  void CheckMatches();
  void ShowMatchCount();

 private:
  GameState& state_;
  Screen& screen_;
  Completion& completion_;
};

}  // namespace kelvora
