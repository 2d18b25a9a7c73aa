// The patterns the solver's tables cover: the full pair for play, a medium set for a browser
// page, a small set for quick checks.
#pragma once

#include <string>
#include <vector>

#include "solver/PatternSpace.h"

namespace kelvora::solver {

enum class TableSize {
  // The tiles of columns 3-4 (259 million entries) counting every move, and of columns 1-2 (1038
  // million) and 3-4 again sharing the moves' cost: about 390 MB on disk, under a minute to build
  // on two cores.
  Full,
  // Four patterns of three or four tiles: about a million entries in all, built in a moment.
  // Exact answers still, but only fast near the goal.
  Small,
  // Three rows of each column pair, top and bottom: about 40 million entries, for a browser
  // page, whose one worker thread builds them in seconds where the full set takes minutes.
  Medium,
};

std::vector<PatternSpace> PatternsFor(TableSize size);
std::string NameOf(TableSize size);

}  // namespace kelvora::solver
