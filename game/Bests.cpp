// The figures the data files hold for "no best yet", read as absent values and written back.
#include "game/Bests.h"

namespace kelvora {

namespace {
// A prepared stage's file entry before its first solve.
constexpr int kNoPreparedBest = 0;
}  // namespace

std::optional<int> PreparedBest(const PreparedStage& stage) {
  if (stage.bestMoves == kNoPreparedBest) return std::nullopt;
  return stage.bestMoves;
}

void KeepPreparedBest(PreparedStage& stage, const Solve& solve) {
  stage.bestMoves = solve.moves;
  stage.bestHistory = solve.history;
}

std::optional<int> RandomBest(const Records& records) {
  if (records.randomBest == kNoRandomBest) return std::nullopt;
  return records.randomBest;
}

void KeepRandomBest(Records& records, int moves) {
  records.randomBest = moves;
}

}  // namespace kelvora
