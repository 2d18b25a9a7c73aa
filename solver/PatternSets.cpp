// Which goal cells each pattern follows.
#include "solver/PatternSets.h"

#include <algorithm>
#include <initializer_list>

#include "core/Position.h"
#include "core/Tiles.h"

// Rows 2 and 3 only ever change by slides, the outer rows mostly by rotations, so splitting the
// board this way keeps each table's view of a move whole.

namespace kelvora::solver {

namespace {

// The goal's tiles in these rows of columns first to last, as tile indices; the blank's cell is
// never among them, since every pattern follows the blank anyway.
std::vector<int> TilesOf(std::initializer_list<int> rows, int firstColumn, int lastColumn) {
  const Position goal = Position::Goal();
  std::vector<int> cells;
  ForEachCell([&](Cell cell) {
    const bool inRows = std::find(rows.begin(), rows.end(), cell.row) != rows.end();
    if (inRows && cell.column >= firstColumn && cell.column <= lastColumn &&
        goal.At(cell) != kBlank) {
      cells.push_back(TileIndexOf(cell));
    }
  });
  return cells;
}

}  // namespace

std::vector<PatternSpace> PatternsFor(TableSize size) {
  if (size == TableSize::Full) {
    return {PatternSpace("rows23", TilesOf({2, 3}, 1, kBoardSize)),
            PatternSpace("rows14", TilesOf({1, kBoardSize}, 1, kBoardSize))};
  }
  return {PatternSpace("small-rows23-left", TilesOf({2, 3}, 1, 2)),
          PatternSpace("small-rows23-right", TilesOf({2, 3}, 3, kBoardSize)),
          PatternSpace("small-rows14-left", TilesOf({1, kBoardSize}, 1, 2)),
          PatternSpace("small-rows14-right", TilesOf({1, kBoardSize}, 3, kBoardSize))};
}

std::string NameOf(TableSize size) {
  return size == TableSize::Full ? "full" : "small";
}

}  // namespace kelvora::solver
