// Random stages: made by 100 random swaps of cells, solved ones archived with the overall best.
#pragma once

#include "core/Game.h"
#include "modes/BestDisplay.h"
#include "modes/DataFiles.h"
#include "modes/DataTables.h"

namespace kelvora {

// No solve above this many moves is recorded.
constexpr std::int32_t kMostMovesRecorded = 1000;

class RandomStageMode {
 public:
  RandomStageMode(Game& game, DataTables& tables, DataFiles& files, BestDisplay& best)
      : game_(game), tables_(tables), files_(files), best_(best) {}

  // Shuffles a new stage from the position on the board, dropping any game in progress.
  void StartRandomStage();
  // 100 swaps of two cells drawn from cell numbers 0..14: the bottom-right cell never moves.
  void ShuffleBoard();
  // Archives a solve of at most 1000 moves while the archive has room, and saves at once. The
  // first solve that finds the archive full says so.
  void RecordRandomStage();

 private:
  int DrawCellNumber();

  Game& game_;
  DataTables& tables_;
  DataFiles& files_;
  BestDisplay& best_;
  bool toldArchiveFull_ = false;
};

}  // namespace kelvora
