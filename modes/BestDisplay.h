// The "Best" figure beside the board: the current prepared stage's best, or the random stages'.
#pragma once

#include "core/GameState.h"
#include "core/Screen.h"
#include "modes/DataTables.h"

namespace kelvora {

class BestDisplay {
 public:
  BestDisplay(GameState& state, const DataTables& tables, Screen& screen)
      : state_(state), tables_(tables), screen_(screen) {}

  void ShowBest();

 private:
  GameState& state_;
  const DataTables& tables_;
  Screen& screen_;
};

}  // namespace kelvora
