// Helpers shared by the solver's tests.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "solver/MoveRules.h"
#include "solver/PackedPosition.h"
#include "solver/PatternSets.h"
#include "solver/PatternTable.h"
#include "solver/PatternTableBuilder.h"

// Shared by the solver's tests: the small tables (built once per process, never cached), a plain
// breadth-first search from the goal, and random walks from it.

namespace kelvora::testing {

inline const std::vector<solver::PatternTable>& SmallTables() {
  static const std::vector<solver::PatternTable> tables = [] {
    std::vector<solver::PatternTable> built;
    for (const solver::PatternSpace& space : solver::PatternsFor(solver::TableSize::Small)) {
      solver::PatternTableBuilder builder(space, 2);
      built.emplace_back(space, std::make_unique<solver::OwnedTableMemory>(builder.Build()));
    }
    return built;
  }();
  return tables;
}

inline std::vector<const solver::PatternTable*> SmallTablePointers() {
  std::vector<const solver::PatternTable*> pointers;
  for (const solver::PatternTable& table : SmallTables()) pointers.push_back(&table);
  return pointers;
}

// Every position within maxDepth moves of the goal, with its distance: the reference the
// solver is held to.
inline std::unordered_map<std::uint64_t, int> DistancesFromGoal(int maxDepth) {
  std::unordered_map<std::uint64_t, int> distance{{solver::PackedPosition::Goal().Packed(), 0}};
  std::vector<solver::PackedPosition> layer{solver::PackedPosition::Goal()};
  for (int depth = 1; depth <= maxDepth; ++depth) {
    std::vector<solver::PackedPosition> next;
    for (solver::PackedPosition position : layer) {
      const int blank = position.BlankCell();
      const solver::MoveList moves = solver::LegalMoves(blank);
      for (int m = 0; m < moves.count; ++m) {
        const solver::PackedPosition reached = solver::Apply(position, moves.moves[m], blank);
        if (distance.emplace(reached.Packed(), depth).second) next.push_back(reached);
      }
    }
    layer = std::move(next);
  }
  return distance;
}

// A position reached from the goal by steps random legal moves.
inline solver::PackedPosition RandomWalk(std::mt19937_64& engine, int steps) {
  solver::PackedPosition position = solver::PackedPosition::Goal();
  for (int step = 0; step < steps; ++step) {
    const int blank = position.BlankCell();
    const solver::MoveList moves = solver::LegalMoves(blank);
    position = solver::Apply(position, moves.moves[engine() % moves.count], blank);
  }
  return position;
}

}  // namespace kelvora::testing
