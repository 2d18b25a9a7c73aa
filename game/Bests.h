// The player's bests as the rules read them: none until a first solve. The data files keep "none"
// as a figure (0 for a prepared stage, 9999 for the random archive); the conversions both ways
// are here and nowhere else in the game.
#pragma once

#include <optional>

#include "core/Puzzle.h"
#include "records/Records.h"

namespace kelvora {

// What the board has always shown under "Best" before there is one.
constexpr int kNoPreparedBestShown = 0;
constexpr int kNoRandomBestShown = 9999;

// The fewest moves kept for the stage; none before its first solve. A stage that starts solved
// keeps a solve of 0 moves, which reads back as none, as the file has always had it.
std::optional<int> PreparedBest(const PreparedStage& stage);
// The solve becomes the stage's best, moves and history.
void KeepPreparedBest(PreparedStage& stage, const Solve& solve);

// The fewest moves among the archived random stages; none before the first is archived.
std::optional<int> RandomBest(const Records& records);
void KeepRandomBest(Records& records, int moves);

}  // namespace kelvora
