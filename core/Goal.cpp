// The goal pattern's constants.
#include "core/Goal.h"

namespace kelvora {

void FillGoal(StageGrid& goal) {
  // Columns left to right, each top to bottom: arch, cross(es), U of one strand.
  goal[1][1] = 1;
  goal[1][2] = 2;
  goal[1][3] = 2;
  goal[1][4] = 3;
  goal[2][1] = 4;
  goal[2][2] = 5;
  goal[2][3] = 5;
  goal[2][4] = 6;
  goal[3][1] = 7;
  goal[3][2] = 8;
  goal[3][3] = 8;
  goal[3][4] = 9;
  goal[4][1] = 13;
  goal[4][2] = 10;
  goal[4][3] = 11;
  goal[4][4] = 12;
}

StageGrid GoalPattern() {
  StageGrid goal{};
  FillGoal(goal);
  return goal;
}

}  // namespace kelvora
