// A solved board: the announcement, the mode's record keeping, and the board going inert.
#pragma once

#include "core/BoardDisplay.h"
#include "core/GameState.h"
#include "core/ModeHooks.h"
#include "core/Screen.h"

namespace kelvora {

class Completion {
 public:
  Completion(GameState& state, Screen& screen, BoardDisplay& display)
      : state_(state), screen_(screen), display_(display) {}

  // Without hooks (the core on its own) a completion keeps no records.
  void SetModeHooks(ModeHooks* hooks) { hooks_ = hooks; }

  void CompleteStage();

 private:
  GameState& state_;
  Screen& screen_;
  BoardDisplay& display_;
  ModeHooks* hooks_ = nullptr;
};

}  // namespace kelvora
