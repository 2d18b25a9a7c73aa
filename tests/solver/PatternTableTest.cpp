// Tests of pattern-database building and of reading distances from residues.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <unordered_map>

#include "SolverSupport.h"
#include "solver/PatternTable.h"
#include "solver/PatternTableBuilder.h"

// Pattern databases: the threaded build gives every abstract position its exact distance (checked
// against a plain breadth-first search), with every move costing one or some free, and distances
// read through residues stay exact.

namespace kelvora::testing {
namespace {

using solver::MoveCosts;
using solver::PackedPosition;
using solver::PatternSpace;
using solver::PatternTable;

// Distances of every abstract position, by a breadth-first search over whole abstract positions
// that puts positions a free move reaches in the layer they were reached from.
std::unordered_map<std::uint64_t, int> AbstractDistances(const PatternSpace& space) {
  std::unordered_map<std::uint64_t, int> distance;
  std::deque<std::pair<PackedPosition, int>> open{{space.At(space.GoalIndex()), 0}};
  distance[open.front().first.Packed()] = 0;
  while (!open.empty()) {
    const auto [position, depth] = open.front();
    open.pop_front();
    if (depth > distance.at(position.Packed())) continue;
    const int blank = position.BlankCell();
    const std::uint32_t tiles = space.TileCells(space.LayoutOf(position));
    const solver::MoveList moves = solver::LegalMoves(blank);
    for (int m = 0; m < moves.count; ++m) {
      const int cost = space.CostOf(moves.moves[m], tiles);
      const PackedPosition reached = solver::Apply(position, moves.moves[m], blank);
      const auto [at, added] = distance.emplace(reached.Packed(), depth + cost);
      if (!added && at->second <= depth + cost) continue;
      at->second = depth + cost;
      if (cost == 0) {
        open.emplace_front(reached, depth);
      } else {
        open.emplace_back(reached, depth + 1);
      }
    }
  }
  return distance;
}

PatternTable Build(const PatternSpace& space, int threads) {
  solver::PatternTableBuilder builder(space, threads);
  return PatternTable(space, std::make_unique<solver::OwnedTableMemory>(builder.Build()));
}

TEST(PatternTable, EveryEntryHoldsTheBreadthFirstDistance) {
  // Single tiles, and a pair beside one: a pair's labelling and cell set move differently. Tables
  // that leave some moves free have whole regions a layer deep, reached through other chunks.
  for (const PatternSpace& space :
       {PatternSpace("column 4", {13, 14, 15}), PatternSpace("pair and one", {1, 2, 12 + 1}),
        PatternSpace("column 4 and turns", {13, 14, 15}, MoveCosts::kTurnsAndOwnSlides),
        PatternSpace("pair and one, slides", {1, 2, 12 + 1}, MoveCosts::kOwnSlides)}) {
    const PatternTable table = Build(space, 2);
    const auto distances = AbstractDistances(space);
    ASSERT_EQ(distances.size(), space.Size());
    int farthest = 0;
    for (std::uint64_t index = 0; index < space.Size(); ++index) {
      const int expected = distances.at(space.At(index).Packed());
      ASSERT_EQ(table.Residue(index), expected % 3) << space.Name() << " " << index;
      farthest = std::max(farthest, expected);
    }
    // Deep enough that the walk down the table has real work to do.
    EXPECT_GT(farthest, 5) << space.Name();
    for (std::uint64_t index = 0; index < space.Size(); index += 97) {
      ASSERT_EQ(table.Distance(space.At(index)), distances.at(space.At(index).Packed()));
    }
  }
}

TEST(PatternTable, OneThreadAndTwoBuildTheSameBytes) {
  for (const MoveCosts costs : {MoveCosts::kEveryMove, MoveCosts::kOwnSlides}) {
    const PatternSpace space("pairs", {1, 2, 5, 6}, costs);
    const PatternTable one = Build(space, 1);
    const PatternTable two = Build(space, 2);
    ASSERT_EQ(one.Bytes().size(), two.Bytes().size());
    EXPECT_TRUE(std::equal(one.Bytes().begin(), one.Bytes().end(), two.Bytes().begin()));
  }
}

TEST(PatternTable, DistanceAfterMoveFollowsTheExactDistance) {
  const PatternTable& table = SmallTables()[2];
  std::mt19937_64 engine(8);
  PackedPosition position = PackedPosition::Goal();
  int distance = 0;
  for (int step = 0; step < 2000; ++step) {
    const int blank = position.BlankCell();
    const solver::MoveList moves = solver::LegalMoves(blank);
    position = solver::Apply(position, moves.moves[engine() % moves.count], blank);
    distance = table.DistanceAfterMove(distance, table.Space().Index(position));
    ASSERT_EQ(distance, table.Distance(position)) << "step " << step;
  }
}

TEST(PatternTable, ReportsProgressUpToTheEnd) {
  std::vector<double> reports;
  solver::PatternTableBuilder builder(PatternSpace("pairs", {1, 2, 5, 6}), 2,
                                      [&](double done) { reports.push_back(done); });
  builder.Build();
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back(), 1.0);
  EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
}

}  // namespace
}  // namespace kelvora::testing
