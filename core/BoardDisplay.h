// Puts the goal pattern into the board and shows the whole board in the 16 tile boxes.
#pragma once

#include "core/GameState.h"
#include "core/Screen.h"

namespace kelvora {

class BoardDisplay {
 public:
  BoardDisplay(GameState& state, Screen& screen) : state_(state), screen_(screen) {}

  // Goal pattern into goal and the playing field, history emptied; the screen is left alone.
  void InitGoal();
  // Every tile box shows the code of its cell and is made visible.
  void DrawBoard();

 private:
  GameState& state_;
  Screen& screen_;
};

}  // namespace kelvora
