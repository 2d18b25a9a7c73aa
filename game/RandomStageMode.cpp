// Shuffling, playing and archiving random stages.
#include "game/RandomStageMode.h"

#include "core/Shuffle.h"
#include "game/Bests.h"
#include "text/GameText.h"

namespace kelvora {

MoveOutcome RandomStageMode::Begin(GameContext& game) {
  game.ShowBest(RandomBest(game.records), kNoRandomBestShown);
  inPlay_ = Shuffle(game.puzzle.Board(), CellDrawFrom(game.random));
  return game.puzzle.ShowStage(inPlay_);
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
  const std::optional<int> best = RandomBest(records);
  if (!best || solve.moves < *best) KeepRandomBest(records, solve.moves);
  // The best beside the board keeps its old figure until the next start.
  game.ReportSaveFailures(game.files.SaveRandomArchive(records));
}

}  // namespace kelvora
