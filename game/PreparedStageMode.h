// Prepared stages: played from stage 1, stepped with "back" and "next" (both wrap round), the
// best result of each stage kept.
#pragma once

#include "game/GameMode.h"

namespace kelvora {

class PreparedStageMode final : public GameMode {
 public:
  // With no prepared stages it says so, and the game in progress goes on.
  bool CanBegin(const GameContext& game) const override;
  bool HasStageNavigation() const override { return true; }
  MoveOutcome Begin(GameContext& game) override;
  // Leaves the stage on the board unsaved and starts the other one afresh.
  MoveOutcome Step(GameContext& game, StageStep step) override;
  // Keeps the solve if it is the stage's first, or ties or beats its best.
  void StageSolved(GameContext& game, const Solve& solve) override;

  // The stage on the board, 1-based; 0 before the mode first begins.
  int Stage() const { return stage_; }

 private:
  // The stage's caption, its best and its starting position, in that order.
  MoveOutcome PutStageOnBoard(GameContext& game);

  int stage_ = 0;
};

}  // namespace kelvora
