// The goal pattern: every strand joined in its own column, the blank at the top of column 4.
#pragma once

#include "core/StageGrid.h"

namespace kelvora {

// Writes the 16 goal constants into goal(1..4, 1..4); the unused row and column stay 0.
void FillGoal(StageGrid& goal);

// The goal pattern as a fresh grid.
StageGrid GoalPattern();

}  // namespace kelvora
