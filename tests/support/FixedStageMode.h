// A mode of the tests' own that begins with a chosen position and counts the solves it sees:
// how a test puts any position on the board through the game's own API.
#pragma once

#include <vector>

#include "game/GameMode.h"

namespace kelvora::testing {

class FixedStageMode final : public GameMode {
 public:
  explicit FixedStageMode(Position start) : start_(start) {}
  MoveOutcome Begin(GameContext& game) override { return game.puzzle.ShowStage(start_); }
  void StageSolved(GameContext&, const Solve& solve) override { solves.push_back(solve); }

  std::vector<Solve> solves;

 private:
  Position start_;
};

}  // namespace kelvora::testing
