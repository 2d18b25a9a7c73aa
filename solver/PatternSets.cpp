// Which goal cells each pattern follows.
#include "solver/PatternSets.h"

#include <algorithm>
#include <initializer_list>

#include "core/Position.h"
#include "core/Tiles.h"

// The play tables follow columns 1-2 and 3-4: the order of a column's tiles, which only a trip
// through an outer row can change, is what takes the moves. The solver also looks them up in the
// mirror (columns 1 and 3 swapped), which makes them columns 2-3 and 1-4 as well. A third table
// of the outer rows saved a fifth of the positions searched but not a tenth of the time, and
// took the build past a minute.

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
    return {PatternSpace("cols12", TilesOf({1, 2, 3, kBoardSize}, 1, 2)),
            PatternSpace("cols34", TilesOf({1, 2, 3, kBoardSize}, 3, kBoardSize))};
  }
  if (size == TableSize::Medium) {
    return {PatternSpace("medium-cols12-top", TilesOf({1, 2, 3}, 1, 2)),
            PatternSpace("medium-cols12-bottom", TilesOf({2, 3, kBoardSize}, 1, 2)),
            PatternSpace("medium-cols34-top", TilesOf({1, 2, 3}, 3, kBoardSize)),
            PatternSpace("medium-cols34-bottom", TilesOf({2, 3, kBoardSize}, 3, kBoardSize))};
  }
  return {PatternSpace("small-rows23-left", TilesOf({2, 3}, 1, 2)),
          PatternSpace("small-rows23-right", TilesOf({2, 3}, 3, kBoardSize)),
          PatternSpace("small-rows14-left", TilesOf({1, kBoardSize}, 1, 2)),
          PatternSpace("small-rows14-right", TilesOf({1, kBoardSize}, 3, kBoardSize))};
}

std::string NameOf(TableSize size) {
  switch (size) {
    case TableSize::Full:
      return "full";
    case TableSize::Medium:
      return "medium";
    case TableSize::Small:
      break;
  }
  return "small";
}

}  // namespace kelvora::solver
