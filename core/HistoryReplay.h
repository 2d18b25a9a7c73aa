// Plays a move history on a starting position by the game's rules, away from any window: how
// stored records and solutions are checked.
#pragma once

#include <string>
#include <string_view>

#include "core/Position.h"

namespace kelvora {

struct ReplayResult {
  // Every letter was a move the game accepts.
  bool playable = false;
  // The last letter completed the stage (and no earlier one did).
  bool solved = false;
  // Moves accepted before the replay stopped.
  int movesPlayed = 0;
  // Why the history is not a solve, in English for the tools; empty when it is one.
  std::string problem;
  // The position reached: the goal when solved.
  Position position;
};

ReplayResult ReplayHistory(const Position& start, std::string_view history);

}  // namespace kelvora
