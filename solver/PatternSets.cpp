// Which goal cells each pattern follows.
#include "solver/PatternSets.h"

#include <algorithm>
#include <initializer_list>

#include "core/Position.h"
#include "core/Tiles.h"

// The play tables follow columns 1-2 and 3-4: the order of a column's tiles, which only a trip
// through an outer row can change, is what takes the moves. The solver also looks them up in the
// mirror (columns 1 and 3 swapped), which makes them columns 2-3 and 1-4 as well.
//
// Two of them share the cost of every move, so their sum is a bound: columns 1-2 count the turns
// and the slides of their own tiles, columns 3-4 the slides of theirs. Far from the goal that sum
// is much the tighter bound (the deepest position searched a sixtieth of the positions), since a
// table that counts every move finds the other half of the board's tiles in the way for free.
// Nearer the goal the blank's trips through the other tiles matter, which only a table counting
// every move sees: columns 3-4, whose column 4 is the blank's own, counted that way too halved
// the positions the slowest shuffled stages searched. Columns 1-2 counted that way as well would
// halve them again, but take the build to a minute and a half; charging the turns to columns 3-4
// instead was four times weaker. A table of the outer rows saved a fifth of the positions but not
// a tenth of the time.

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
    const std::vector<int> left = TilesOf({1, 2, 3, kBoardSize}, 1, 2);
    const std::vector<int> right = TilesOf({1, 2, 3, kBoardSize}, 3, kBoardSize);
    return {PatternSpace("cols34", right),
            PatternSpace("cols12-turns", left, MoveCosts::kTurnsAndOwnSlides),
            PatternSpace("cols34-slides", right, MoveCosts::kOwnSlides)};
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
