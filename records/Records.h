// What the data files hold: the prepared stages with the player's best on each, and the archive
// of solved random stages with the best among them.
#pragma once

#include <string>
#include <vector>

#include "core/Position.h"

namespace kelvora {

// No data file holds more stages than this.
constexpr int kMostStagesInAFile = 50;
// The random best before any stage is archived: above any result that can be archived.
constexpr int kNoRandomBest = 9999;

struct PreparedStage {
  Position start;
  // 0 means no record yet (a stage that starts solved also keeps 0).
  int bestMoves = 0;
  std::string bestHistory;
  bool operator==(const PreparedStage&) const = default;
};

struct ArchivedStage {
  Position start;
  int moves = 0;
  std::string history;
  bool operator==(const ArchivedStage&) const = default;
};

struct Records {
  // As many as the record file counts, each with its starting position from the stage file.
  std::vector<PreparedStage> prepared;
  std::vector<ArchivedStage> archive;
  int randomBest = kNoRandomBest;
  bool operator==(const Records&) const = default;
};

}  // namespace kelvora
