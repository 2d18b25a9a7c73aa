// The depth-first search under a growing bound.
#include "solver/Solver.h"

#include <algorithm>
#include <climits>
#include <exception>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <thread>

#include "solver/Mirror.h"

// Every table's exact distance is carried along the path, since a table stores distances only
// modulo 3. A node first works out where its children's entries are in the tables of its highest
// term and asks for them all, then reads them; only the children those leave within the limit
// are looked up in the other tables, again all asked for first. The tables are far larger than
// the processor's caches: waiting for the entries one by one would dominate the search, and
// fewer entries asked for is time saved too.

namespace kelvora::solver {

namespace {
constexpr std::uint64_t kCancelCheckMask = 4095;
// In place of a child's index in a table: the child is as far from the goal as its parent.
constexpr std::uint64_t kSameDistance = UINT64_MAX;
}  // namespace

Solver::Solver(std::vector<const PatternTable*> tables, int memoryLog2, int threads)
    : tables_(std::move(tables)),
      memory_(memoryLog2),
      threads_(threads > 0 ? threads
                           : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))),
      team_(threads_ - 1) {
  if (tables_.empty() || tables_.size() > kMaxTables) {
    throw std::invalid_argument("a solver needs one to four tables");
  }
  // Tables that share the cost of each move are summed, as they are and in the mirror; every
  // other table is a bound by itself.
  std::array<int, 2> sums{-1, -1};
  for (bool mirrored : {false, true}) {
    for (const PatternTable* table : tables_) {
      const PatternSpace& space = table->Space();
      const bool shared = space.SharesCost();
      // A table whose tiles the mirror only swaps among themselves answers the same in it, but
      // the mirrored sum still needs its share.
      const std::uint32_t goalCells = space.TileCells(space.LayoutOf(goal_));
      if (mirrored && !shared && MirrorCells(goalCells) == goalCells) continue;
      const int v = viewCount_++;
      views_[v] = View{table, mirrored};
      if (shared && sums[mirrored] >= 0) {
        Term& sum = terms_[sums[mirrored]];
        sum.views[sum.count++] = v;
        continue;
      }
      if (shared) sums[mirrored] = termCount_;
      terms_[termCount_++] = Term{{v}, 1};
    }
  }
}

int Solver::TermBound(int term, const std::array<int, kMaxViews>& distances) const {
  int sum = 0;
  for (int t = 0; t < terms_[term].count; ++t) sum += distances[terms_[term].views[t]];
  return sum;
}

int Solver::Bound(const std::array<int, kMaxViews>& distances) const {
  int bound = 0;
  for (int t = 0; t < termCount_; ++t) bound = std::max(bound, TermBound(t, distances));
  return bound;
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
  std::uint64_t lastRound = 0;
  for (;;) {
    if (limit_ >= knownLength) return known;
    memory_.NewRound();
    const std::uint64_t before = expanded_;
    const int bound =
        threads_ > 1 && lastRound >= sharedFrom_ ? SearchShared(root) : SearchAlone(root);
    lastRound = expanded_ - before;
    if (bound == kFound) break;
    if (bound == INT_MAX) throw std::logic_error("no solution exists for this position");
    // The round has ruled out every solution within the limit. The bound it returns can be
    // lower than that (a position met again returns just its own bound), never higher.
    limit_ = std::max(limit_ + 1, bound);
  }
  return path_;
}

int Solver::SearchAlone(const Node& root) {
  Walk walk;
  firstFound_ = SIZE_MAX;
  failed_ = false;
  const int bound = Search(walk, root, 0);
  expanded_ += walk.expanded;
  if (bound == kFound) path_ = std::move(walk.path);
  return bound;
}

namespace {

// How deep a shared round splits: a few hundred parts, enough for each thread to end near the
// others.
constexpr int kSplitDepth = 6;

// A part left unfinished because an earlier one holds a solution.
struct PartGivenUp {};

}  // namespace

int Solver::SearchShared(const Node& root) {
  std::vector<Part> parts;
  std::vector<MoveIndex> path;
  const int split = Split(root, 0, kSplitDepth, path, parts);
  if (split == kFound) {
    path_ = std::move(path);
    return kFound;
  }
  firstFound_ = SIZE_MAX;
  failed_ = false;
  std::atomic<std::size_t> next{0};
  std::mutex results;
  std::vector<MoveIndex> found;
  std::exception_ptr error;
  int best = split;
  std::uint64_t expanded = 0;
  // Each thread takes the next part not taken. A part after one that holds a solution is not
  // worth finishing; those before it are, so that the answer is the earliest part's, as a search
  // alone would find it, unless a position that another thread was still searching was passed by.
  const auto work = [&] {
    Walk walk;
    int bound = INT_MAX;
    try {
      for (std::size_t p = next++; p < parts.size() && p < firstFound_; p = next++) {
        walk.part = p;
        walk.path = parts[p].path;
        int partBound = 0;
        try {
          partBound = Search(walk, parts[p].node, kSplitDepth);
        } catch (const PartGivenUp&) {
          break;
        }
        if (partBound != kFound) {
          bound = std::min(bound, partBound);
          continue;
        }
        const std::lock_guard lock(results);
        if (p < firstFound_) {
          firstFound_ = p;
          found = walk.path;
        }
      }
    } catch (...) {
      // Whatever stops one thread (a cancel, memory) stops them all and reaches the caller.
      failed_ = true;
      const std::lock_guard lock(results);
      if (!error) error = std::current_exception();
    }
    const std::lock_guard lock(results);
    best = std::min(best, bound);
    expanded += walk.expanded;
  };
  team_.Run(work);
  expanded_ += expanded;
  if (error) std::rethrow_exception(error);
  if (firstFound_ == SIZE_MAX) return best;
  path_ = std::move(found);
  return kFound;
}

int Solver::Split(const Node& node, int g, int depth, std::vector<MoveIndex>& path,
                  std::vector<Part>& parts) {
  if (g + Bound(node.distances) > limit_) return g + Bound(node.distances);
  if (node.position == goal_) return kFound;
  if (g == depth) {
    parts.push_back(Part{node, path});
    return INT_MAX;
  }
  ++expanded_;
  Children children;
  int best = INT_MAX;
  Expand(node, g, children, best);
  for (int o = 0; o < children.open; ++o) {
    const int c = children.order[o];
    path.push_back(children.moves[c]);
    const int bound = Split(children.nodes[c], g + 1, depth, path, parts);
    if (bound == kFound) return kFound;
    path.pop_back();
    best = std::min(best, bound);
  }
  return best;
}

void Solver::Check(const Walk& walk) const {
  if (cancel_ != nullptr && cancel_->load(std::memory_order_relaxed)) throw SearchCancelled();
  if (walk.part > firstFound_.load(std::memory_order_relaxed) ||
      failed_.load(std::memory_order_relaxed)) {
    throw PartGivenUp();
  }
}

int Solver::Search(Walk& walk, const Node& node, int g) {
  const std::uint64_t key = node.position.Packed();
  int h = Bound(node.distances);
  const TranspositionTable::Moves moves = MoveOrder::AllowedKinds(node.state);
  const std::optional<TranspositionTable::Entry> known = memory_.Find(key);
  if (known) h = std::max(h, TranspositionTable::BoundFor(*known, moves));
  if (g + h > limit_) return g + h;
  if (node.position == goal_) return kFound;
  if (known && memory_.SeenThisRound(*known, g, moves)) return g + h;
  memory_.Expand(key, g, moves);
  // A few relaxed loads every few thousand positions cost nothing the search would notice, and
  // still stop it within a millisecond or so.
  if ((++walk.expanded & kCancelCheckMask) == 0) Check(walk);

  Children children;
  // The moves the state forbids are left out of best too: what is learnt holds for visits that
  // allow no more moves than this one.
  int best = INT_MAX;
  Expand(node, g, children, best);
  for (int o = 0; o < children.open; ++o) {
    const int c = children.order[o];
    walk.path.push_back(children.moves[c]);
    const int bound = Search(walk, children.nodes[c], g + 1);
    if (bound == kFound) return kFound;
    walk.path.pop_back();
    best = std::min(best, bound);
  }
  // Every way on from here costs at least best in all: the distance from here is at least
  // best - g, whatever the tables say.
  memory_.Learn(key, best - g, moves);
  return best;
}

void Solver::Expand(const Node& node, int g, Children& children, int& best) const {
  const MoveList moves = LegalMoves(node.blank);
  // The term that bounds the node highest most often bounds its children highest too: its
  // views are looked up first, the others only for children it leaves within the limit.
  int first = 0;
  for (int t = 1; t < termCount_; ++t) {
    if (TermBound(t, node.distances) > TermBound(first, node.distances)) first = t;
  }
  const Term& firstTerm = terms_[first];
  std::array<bool, kMaxViews> looked{};
  for (int t = 0; t < firstTerm.count; ++t) looked[firstTerm.views[t]] = true;
  std::array<std::array<std::uint64_t, kMaxViews>, 6> indices;
  const int mirroredBlank = MirrorCell(node.blank);
  const auto lookUp = [&](int c, int v) {
    const View& view = views_[v];
    const PatternSpace& space = view.table->Space();
    const MoveIndex move = view.mirrored ? MirrorMove(children.moves[c]) : children.moves[c];
    Node& child = children.nodes[c];
    child.layouts[v] = node.layouts[v].After(move, view.mirrored ? mirroredBlank : node.blank);
    // A move that a table lets go free leaves its distance as it was, the move back being as
    // free: in the tables that share the cost, every slide is free in all of them but one.
    if (space.CostOf(move, space.TileCells(node.layouts[v])) == 0) {
      indices[c][v] = kSameDistance;
      return;
    }
    indices[c][v] = space.Index(child.layouts[v]);
    __builtin_prefetch(view.table->Address(indices[c][v]));
  };
  const auto distanceOf = [&](int c, int v) {
    return indices[c][v] == kSameDistance
               ? node.distances[v]
               : views_[v].table->DistanceAfterMove(node.distances[v], indices[c][v]);
  };
  int childCount = 0;
  for (int m = 0; m < moves.count; ++m) {
    const MoveIndex move = moves.moves[m];
    if (!MoveOrder::Allows(node.state, move, node.blank)) continue;
    Node& child = children.nodes[childCount];
    child.position = Apply(node.position, move, node.blank);
    child.blank = BlankAfter(move, node.blank);
    child.state = MoveOrder::After(node.state, move, node.blank);
    children.moves[childCount] = move;
    for (int t = 0; t < firstTerm.count; ++t) lookUp(childCount, firstTerm.views[t]);
    ++childCount;
  }
  std::array<int, 6> open;
  int openCount = 0;
  for (int c = 0; c < childCount; ++c) {
    Node& child = children.nodes[c];
    for (int t = 0; t < firstTerm.count; ++t) {
      const int v = firstTerm.views[t];
      child.distances[v] = distanceOf(c, v);
    }
    const int firstBound = TermBound(first, child.distances);
    if (g + 1 + firstBound > limit_) {
      best = std::min(best, g + 1 + firstBound);
      continue;
    }
    for (int v = 0; v < viewCount_; ++v) {
      if (!looked[v]) lookUp(c, v);
    }
    memory_.Prefetch(child.position.Packed());
    open[openCount++] = c;
  }

  // Children within the limit, the most promising first: in the last round that finds the
  // solution sooner, and every round before it explores the same nodes in any order.
  std::array<int, 6> bounds;
  for (int o = 0; o < openCount; ++o) {
    const int c = open[o];
    Node& child = children.nodes[c];
    for (int v = 0; v < viewCount_; ++v) {
      if (looked[v]) continue;
      child.distances[v] = distanceOf(c, v);
    }
    const int bound = Bound(child.distances);
    if (g + 1 + bound > limit_) {
      best = std::min(best, g + 1 + bound);
      continue;
    }
    int at = children.open++;
    for (; at > 0 && bounds[at - 1] > bound; --at) {
      children.order[at] = children.order[at - 1];
      bounds[at] = bounds[at - 1];
    }
    children.order[at] = c;
    bounds[at] = bound;
  }
}

}  // namespace kelvora::solver
