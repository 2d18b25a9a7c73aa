// Random stages: made by 100 random swaps of cells of the position on the board; every one
// solved within 1000 moves is archived with the overall best, while the archive has room.
#pragma once

#include "game/GameMode.h"

namespace kelvora {

// No solve above this many moves is archived.
constexpr int kMostMovesArchived = 1000;

class RandomStageMode final : public GameMode {
 public:
  // Shuffles a new stage from the position on the board, dropping any game in progress.
  MoveOutcome Begin(GameContext& game) override;
  // The first solve that finds the archive full says so.
  void StageSolved(GameContext& game, const Solve& solve) override;

  // The starting position of the stage in play.
  const Position& StageInPlay() const { return inPlay_; }

 private:
  Position inPlay_;
  bool toldArchiveFull_ = false;
};

}  // namespace kelvora
