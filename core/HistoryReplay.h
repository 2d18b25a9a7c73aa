// Plays a move history on a starting position through the game's own moves, away from any
// window: how stored records and solutions are checked.
#pragma once

#include <string>
#include <string_view>

#include "core/StageGrid.h"

namespace kelvora {

struct ReplayResult {
  // Every letter was a move the game accepts.
  bool playable = false;
  // The last letter completed the stage (and no earlier one did).
  bool solved = false;
  // Moves accepted before the replay stopped.
  int movesPlayed = 0;
  // Why the history is not a solve; empty when it is one.
  std::string problem;
  // The position reached: the goal pattern when solved.
  StageGrid position{};
};

ReplayResult ReplayHistory(const StageGrid& start, std::string_view history);

}  // namespace kelvora
