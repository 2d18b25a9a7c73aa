// Which goal cells each pattern follows.
#include "solver/PatternSets.h"

// Rows 2 and 3 only ever change by slides, the outer rows mostly by rotations, so splitting the
// board this way keeps each table's view of a move whole.

namespace kelvora::solver {

std::vector<PatternSpace> PatternsFor(TableSize size) {
  if (size == TableSize::Full) {
    return {PatternSpace("rows23", {1, 2, 5, 6, 9, 10, 13, 14}),
            PatternSpace("rows14", {0, 3, 4, 7, 8, 11, 15})};
  }
  return {PatternSpace("small-rows23-left", {1, 2, 5, 6}),
          PatternSpace("small-rows23-right", {9, 10, 13, 14}),
          PatternSpace("small-rows14-left", {0, 3, 4, 7}),
          PatternSpace("small-rows14-right", {8, 11, 15})};
}

std::string NameOf(TableSize size) {
  return size == TableSize::Full ? "full" : "small";
}

}  // namespace kelvora::solver
