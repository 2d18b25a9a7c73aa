// The stage and record tables the data files fill: prepared stages with their bests, and the
// archive of solved random stages.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/StageGrid.h"

namespace kelvora {

// Every table holds 50 entries, 1-based; entry 0 is never used.
constexpr int kTableCapacity = 50;
// Best of the random stages before any is recorded: above any result that can be recorded.
constexpr std::int32_t kNoRandomBest = 9999;

struct DataTables {
  std::int32_t preparedStageCount = 0;
  std::array<StageGrid, kTableCapacity + 1> preparedStages{};
  // 0 means the stage has no record yet.
  std::array<std::int32_t, kTableCapacity + 1> bestMoves{};
  std::array<std::string, kTableCapacity + 1> bestHistory{};

  std::int32_t randomStageCount = 0;
  // Entry randomStageCount + 1 holds the random stage in play, while there is room for it.
  std::array<StageGrid, kTableCapacity + 1> randomStages{};
  std::array<std::int32_t, kTableCapacity + 1> randomRecordMoves{};
  std::array<std::string, kTableCapacity + 1> randomRecordHistory{};
  std::int32_t randomBest = 0;

  bool operator==(const DataTables&) const = default;
};

}  // namespace kelvora
