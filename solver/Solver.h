// Shortest solutions by iterative-deepening A* over pattern databases.
#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "solver/Layout.h"
#include "solver/MoveOrder.h"
#include "solver/MoveRules.h"
#include "solver/PackedPosition.h"
#include "solver/PatternTable.h"
#include "solver/ThreadTeam.h"
#include "solver/TranspositionTable.h"

namespace kelvora::solver {

// A search given up because its caller asked it to stop.
class SearchCancelled : public std::runtime_error {
 public:
  SearchCancelled() : std::runtime_error("the search was cancelled") {}
};

// The bound is the largest of the distances the pattern databases that count every move give
// and the sum of those of the databases that share the moves' cost, raised wherever a finished
// subtree has proven more; a transposition table keeps those proofs and stops positions being
// expanded twice.
class Solver {
 public:
  static constexpr int kMaxTables = 4;
  // Each table is looked up as it is and in the mirror.
  static constexpr int kMaxViews = 2 * kMaxTables;
  // 262,144 remembered positions, 4 MB. A larger table saved few positions even on the deepest
  // searches, and a solve paid for every page of it it touched, twice (read, then written).
  static constexpr int kDefaultMemoryLog2 = 18;

  // A round that expanded this many positions makes the next one worth sharing among threads:
  // the next takes a millisecond or so alone, and sharing costs waking the helpers and a split
  // of a few hundred positions. Each round costs about as much as all those before it, so a
  // search that waits longer does half its work on one thread.
  static constexpr std::uint64_t kDefaultSharedFrom = 500;

  // The tables must outlive the solver. Those that leave some moves free must charge each move to
  // one of them at most (MoveCosts), or their sum overestimates.
  // threads: how many search each large round side by side, 0 for one a processor. With more
  // than one, which of several shortest solutions comes back can change from solve to solve.
  explicit Solver(std::vector<const PatternTable*> tables, int memoryLog2 = kDefaultMemoryLog2,
                  int threads = 1);

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
  // Rounds are shared among the threads once the round before expanded at least positions.
  void ShareRoundsFrom(std::uint64_t positions) { sharedFrom_ = positions; }
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
  // One thread's way through a round: the moves from the start to where it is, and the part of
  // a shared round it is working on.
  struct Walk {
    std::vector<MoveIndex> path;
    std::uint64_t expanded = 0;
    std::size_t part = 0;
  };
  // A node of a shared round that one thread searches on its own, with the moves to it.
  struct Part {
    Node node;
    std::vector<MoveIndex> path;
  };
  // A node's children, and those within the limit in order, the most promising first.
  struct Children {
    std::array<Node, 6> nodes;
    std::array<MoveIndex, 6> moves;
    std::array<int, 6> order;
    int open = 0;
  };

  // kFound, or a lower bound on the length of any solution through node that has g moves
  // before it and goes on by the moves node's state allows.
  int Search(Walk& walk, const Node& node, int g);
  // Works out node's children; best: lowered to the bound of each child left out.
  void Expand(const Node& node, int g, Children& children, int& best) const;
  // A round alone or shared; kFound leaves the solution in path_.
  int SearchAlone(const Node& root);
  int SearchShared(const Node& root);
  // Collects the nodes depth moves below node within the limit into parts, in the order a search
  // alone would come to them; kFound (with the moves in path) if the goal comes first.
  int Split(const Node& node, int g, int depth, std::vector<MoveIndex>& path,
            std::vector<Part>& parts);
  // Throws SearchCancelled once asked to stop, and gives up a part of a shared round once a
  // solution has been found in an earlier part.
  void Check(const Walk& walk) const;
  int Bound(const std::array<int, kMaxViews>& distances) const;
  int TermBound(int term, const std::array<int, kMaxViews>& distances) const;
  std::array<int, kMaxViews> Distances(PackedPosition position) const;

  // A table looked up as it is or in the mirror.
  struct View {
    const PatternTable* table = nullptr;
    bool mirrored = false;
  };
  std::array<View, kMaxViews> views_{};
  int viewCount_ = 0;
  // The bound is the largest of the terms, each the sum of its views' distances.
  struct Term {
    std::array<int, kMaxViews> views{};
    int count = 0;
  };
  std::array<Term, kMaxViews> terms_{};
  int termCount_ = 0;
  std::vector<const PatternTable*> tables_;
  TranspositionTable memory_;
  PackedPosition goal_ = PackedPosition::Goal();
  int threads_ = 1;
  // The threads besides the caller's that share a round; declared after threads_, which sizes it.
  ThreadTeam team_;
  std::uint64_t sharedFrom_ = kDefaultSharedFrom;
  int limit_ = 0;
  std::vector<MoveIndex> path_;
  std::uint64_t expanded_ = 0;
  // In a shared round: the earliest part found to hold a solution, and whether a thread failed.
  std::atomic<std::size_t> firstFound_{SIZE_MAX};
  std::atomic<bool> failed_{false};
  bool keepLearning_ = false;
  const std::atomic<bool>* cancel_ = nullptr;
};

}  // namespace kelvora::solver
