// The depth-first search under a growing bound.
#include "solver/Solver.h"

#include <algorithm>
#include <climits>
#include <stdexcept>

#include "solver/Mirror.h"

// Every table's exact distance is carried along the path, since a table stores distances only
// modulo 3. A node first works out where all its children's entries are and asks for them, then
// reads them: the tables are far larger than the processor's caches, and waiting for the entries
// one by one would dominate the search.

namespace kelvora::solver {

namespace {
constexpr std::uint64_t kCancelCheckMask = 4095;
}  // namespace

Solver::Solver(std::vector<const PatternTable*> tables, int memoryLog2)
    : tables_(std::move(tables)), memory_(memoryLog2) {
  if (tables_.empty() || tables_.size() > kMaxTables) {
    throw std::invalid_argument("a solver needs one to four tables");
  }
  for (bool mirrored : {false, true}) {
    for (const PatternTable* table : tables_) {
      const PatternSpace& space = table->Space();
      // A table whose tiles the mirror only swaps among themselves answers the same in it.
      const std::uint32_t goalCells = space.TileCells(space.LayoutOf(goal_));
      if (mirrored && MirrorCells(goalCells) == goalCells) continue;
      views_[viewCount_++] = View{table, mirrored};
    }
  }
}

int Solver::Bound(const std::array<int, kMaxViews>& distances) const {
  return *std::max_element(distances.begin(), distances.begin() + viewCount_);
}

std::array<int, Solver::kMaxViews> Solver::Distances(PackedPosition position) const {
  std::array<int, kMaxViews> distances{};
  for (int v = 0; v < viewCount_; ++v) {
    distances[v] = views_[v].table->Distance(views_[v].mirrored ? Mirror(position) : position);
  }
  return distances;
}

int Solver::LowerBound(PackedPosition position) const {
  return Bound(Distances(position));
}

std::string Solver::Solve(PackedPosition start) {
  std::string letters;
  for (MoveIndex move : ShortestPath(start)) letters += Move::FromIndex(move).Letter();
  return letters;
}

std::vector<MoveIndex> Solver::ShortestPath(PackedPosition start,
                                            const std::vector<MoveIndex>& known, int atLeast) {
  expanded_ = 0;
  path_.clear();
  // Indexing assumes every tile is on the board once (twice for a pair).
  if (const Status codes = PackedPosition::CheckCodes(start.ToPosition().Codes()); !codes) {
    throw std::invalid_argument("cannot solve this position: " + codes.English());
  }
  if (start == goal_) return {};
  Node root;
  root.position = start;
  root.blank = start.BlankCell();
  for (int v = 0; v < viewCount_; ++v) {
    root.layouts[v] = views_[v].table->Space().LayoutOf(views_[v].mirrored ? Mirror(start) : start);
  }
  root.distances = Distances(start);
  limit_ = std::max(Bound(root.distances), atLeast);
  if (!keepLearning_) memory_.NewSolve();
  const int knownLength = known.empty() ? INT_MAX : static_cast<int>(known.size());
  for (;;) {
    if (limit_ >= knownLength) return known;
    memory_.NewRound();
    const int bound = Search(root, 0);
    if (bound == kFound) break;
    if (bound == INT_MAX) throw std::logic_error("no solution exists for this position");
    // The round has ruled out every solution within the limit. The bound it returns can be
    // lower than that (a position met again returns just its own bound), never higher.
    limit_ = std::max(limit_ + 1, bound);
  }
  return path_;
}

int Solver::Search(const Node& node, int g) {
  const std::uint64_t key = node.position.Packed();
  int h = Bound(node.distances);
  const TranspositionTable::Entry* known = memory_.Find(key, node.state);
  if (known != nullptr) h = std::max(h, static_cast<int>(known->bound));
  if (g + h > limit_) return g + h;
  if (node.position == goal_) return kFound;
  if (known != nullptr && memory_.SeenThisRound(*known, g)) return g + h;
  memory_.Expand(key, g, node.state);
  // A relaxed load every few thousand positions costs nothing the search would notice, and still
  // stops it within a millisecond or so.
  if ((++expanded_ & kCancelCheckMask) == 0 && cancel_ != nullptr &&
      cancel_->load(std::memory_order_relaxed)) {
    throw SearchCancelled();
  }

  const MoveList moves = LegalMoves(node.blank);
  std::array<Node, 6> children;
  std::array<std::array<std::uint64_t, kMaxViews>, 6> indices;
  std::array<MoveIndex, 6> childMoves;
  int childCount = 0;
  for (int m = 0; m < moves.count; ++m) {
    const MoveIndex move = moves.moves[m];
    if (!MoveOrder::Allows(node.state, move, node.blank)) continue;
    Node& child = children[childCount];
    child.position = Apply(node.position, move, node.blank);
    child.blank = BlankAfter(move, node.blank);
    child.state = MoveOrder::After(node.state, move, node.blank);
    const MoveIndex mirroredMove = MirrorMove(move);
    const int mirroredBlank = MirrorCell(node.blank);
    for (int v = 0; v < viewCount_; ++v) {
      const View& view = views_[v];
      child.layouts[v] = view.mirrored ? node.layouts[v].After(mirroredMove, mirroredBlank)
                                       : node.layouts[v].After(move, node.blank);
      indices[childCount][v] = view.table->Space().Index(child.layouts[v]);
      __builtin_prefetch(view.table->Address(indices[childCount][v]));
    }
    memory_.Prefetch(child.position.Packed(), child.state);
    childMoves[childCount++] = move;
  }

  // The moves the state forbids are left out of best too: what is learnt holds for this state.
  int best = INT_MAX;
  // Children within the limit, the most promising first: in the last round that finds the
  // solution sooner, and every round before it explores the same nodes in any order.
  std::array<int, 6> order;
  std::array<int, 6> bounds;
  int open = 0;
  for (int c = 0; c < childCount; ++c) {
    Node& child = children[c];
    for (int v = 0; v < viewCount_; ++v) {
      child.distances[v] = views_[v].table->DistanceAfterMove(node.distances[v], indices[c][v]);
    }
    const int bound = Bound(child.distances);
    if (g + 1 + bound > limit_) {
      best = std::min(best, g + 1 + bound);
      continue;
    }
    int at = open++;
    for (; at > 0 && bounds[at - 1] > bound; --at) {
      order[at] = order[at - 1];
      bounds[at] = bounds[at - 1];
    }
    order[at] = c;
    bounds[at] = bound;
  }
  for (int o = 0; o < open; ++o) {
    const int c = order[o];
    path_.push_back(childMoves[c]);
    const int bound = Search(children[c], g + 1);
    if (bound == kFound) return kFound;
    path_.pop_back();
    best = std::min(best, bound);
  }
  // Every way on from here costs at least best in all: the distance from here is at least
  // best - g, whatever the tables say.
  memory_.Learn(key, best - g, node.state);
  return best;
}

}  // namespace kelvora::solver
