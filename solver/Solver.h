// Shortest solutions by iterative-deepening A* over pattern databases.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "solver/Layout.h"
#include "solver/MoveOrder.h"
#include "solver/MoveRules.h"
#include "solver/PackedPosition.h"
#include "solver/PatternTable.h"
#include "solver/TranspositionTable.h"

namespace kelvora::solver {

// A search given up because its caller asked it to stop.
class SearchCancelled : public std::runtime_error {
 public:
  SearchCancelled() : std::runtime_error("the search was cancelled") {}
};

// The bound is the largest distance any of the pattern databases gives, raised wherever a
// finished subtree has proven more; a transposition table keeps those proofs and stops
// positions being expanded twice.
class Solver {
 public:
  static constexpr int kMaxTables = 4;
  // Each table is looked up as it is and in the mirror.
  static constexpr int kMaxViews = 2 * kMaxTables;
  // 4 million remembered positions, 64 MB.
  static constexpr int kDefaultMemoryLog2 = 22;

  // The tables must outlive the solver; each must be admissible (every move costs one there).
  explicit Solver(std::vector<const PatternTable*> tables, int memoryLog2 = kDefaultMemoryLog2);

  // The letters of a shortest solution; empty for the goal. start must hold the goal's tiles.
  std::string Solve(PackedPosition start);
  // A shortest solution as moves; empty for the goal. known: a solution from start, if one is
  // known, which is returned unless a shorter one exists; atLeast: a lower bound on the length of
  // any solution, known from elsewhere. Either only saves rounds of the search.
  std::vector<MoveIndex> ShortestPath(PackedPosition start,
                                      const std::vector<MoveIndex>& known = {}, int atLeast = 0);
  // Whether what a search proves about distances is kept for the next one: worth it for a caller
  // that solves positions near each other again and again. Off, every solve starts afresh and
  // finds the same solution whatever came before.
  void KeepLearning(bool keep) { keepLearning_ = keep; }
  // From now on every search looks at cancel every few thousand positions and throws
  // SearchCancelled once it is true; nullptr (the default) searches to the end. cancel must
  // outlive the searches.
  void StopWhen(const std::atomic<bool>* cancel) { cancel_ = cancel; }
  // The largest of the tables' distances: never more than the true distance.
  int LowerBound(PackedPosition position) const;

  // Positions expanded by the last Solve.
  std::uint64_t Expanded() const { return expanded_; }

 private:
  // What the search carries from a position to its children: each table's view and distance.
  struct Node {
    PackedPosition position;
    int blank = 0;
    MoveOrder::State state = MoveOrder::kStart;
    std::array<Layout, kMaxViews> layouts{};
    std::array<int, kMaxViews> distances{};
  };
  static constexpr int kFound = -1;

  // kFound, or a lower bound on the length of any solution through node that has g moves
  // before it and goes on by the moves node's state allows.
  int Search(const Node& node, int g);
  int Bound(const std::array<int, kMaxViews>& distances) const;
  std::array<int, kMaxViews> Distances(PackedPosition position) const;

  // A table looked up as it is or in the mirror.
  struct View {
    const PatternTable* table = nullptr;
    bool mirrored = false;
  };
  std::array<View, kMaxViews> views_{};
  int viewCount_ = 0;
  std::vector<const PatternTable*> tables_;
  TranspositionTable memory_;
  PackedPosition goal_ = PackedPosition::Goal();
  int limit_ = 0;
  std::vector<MoveIndex> path_;
  std::uint64_t expanded_ = 0;
  bool keepLearning_ = false;
  const std::atomic<bool>* cancel_ = nullptr;
};

}  // namespace kelvora::solver
