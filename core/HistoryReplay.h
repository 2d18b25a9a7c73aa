// Plays a move history on a starting position by the game's rules, away from any window: how
// stored records and solutions are checked.
#pragma once

#include <string_view>

#include "core/Position.h"
#include "core/Status.h"

namespace kelvora {

struct ReplayResult {
  // Every letter was a move the game accepts.
  bool playable = false;
  // The last letter completed the stage (and no earlier one did).
  bool solved = false;
  // Moves accepted before the replay stopped.
  int movesPlayed = 0;
  // Ok for a solve; otherwise kDamaged, with why the history is not one (for the tools).
  Status status;
  // The position reached: the goal when solved.
  Position position;
};

ReplayResult ReplayHistory(const Position& start, std::string_view history);

}  // namespace kelvora
