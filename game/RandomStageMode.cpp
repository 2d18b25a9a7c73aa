// Shuffling, playing and archiving random stages.
#include "game/RandomStageMode.h"

#include <algorithm>
#include <cmath>

#include "text/GameText.h"

namespace kelvora {

namespace {

// A cell number 0..14 in tile-index order: the last cell, bottom right, is never drawn.
int DrawCellNumber(RandomSource& random) {
  const double draw = std::floor(random.NextUnit() * 15.0);
  // A generator that strays outside [0, 1) must still not reach cell 15 or leave the board.
  return std::clamp(static_cast<int>(draw), 0, 14);
}

}  // namespace

void RandomStageMode::Begin(GameContext& game) {
  game.ShowBest(game.records.randomBest);
  inPlay_ = Shuffle(game.puzzle.Board(), game.random);
  game.puzzle.ShowStage(inPlay_);
}

Position RandomStageMode::Shuffle(const Position& from, RandomSource& random) const {
  Position position = from;
  for (int swap = 0; swap < 100; ++swap) {
    const int first = DrawCellNumber(random);
    const int second = DrawCellNumber(random);
    position.Swap(CellAt(first), CellAt(second));
  }
  return position;
}

void RandomStageMode::StageSolved(GameContext& game, const Solve& solve) {
  if (solve.moves > kMostMovesArchived) return;
  Records& records = game.records;
  if (static_cast<int>(records.archive.size()) >= kMostStagesInAFile) {
    // A player who is not told would think the stage was kept; once a session is enough.
    if (!toldArchiveFull_) game.screen.ShowMessage(text::kMessageTitle, text::kArchiveFull);
    toldArchiveFull_ = true;
    return;
  }
  records.archive.push_back({inPlay_, solve.moves, solve.history});
  if (solve.moves < records.randomBest) records.randomBest = solve.moves;
  // The best beside the board keeps its old figure until the next start.
  game.ReportSaveFailures(game.files.SaveRandomArchive(records));
}

}  // namespace kelvora
