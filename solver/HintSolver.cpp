// Hints from remembered solutions where the player is on or beside one, from a search elsewhere.
#include "solver/HintSolver.h"

#include <stdexcept>

#include "core/HistoryReplay.h"
#include "solver/Solver.h"
#include "solver/TableSet.h"

namespace kelvora::solver {

namespace {
// Far more positions than a session of play meets; past it, memory starts afresh.
constexpr std::size_t kMostRemembered = std::size_t{1} << 20;
}  // namespace

HintSolver::HintSolver(std::string folder, TableSize size)
    : tables_(std::make_unique<TableSet>(std::move(folder), size, 0, Holding::kReadIn)) {}

HintSolver::~HintSolver() = default;

bool HintSolver::TablesCached() const {
  return tables_->Cached();
}

bool HintSolver::Prepare(const std::function<void(double)>& progress,
                         const std::atomic<bool>& cancel) {
  if (solver_ != nullptr) return true;
  const bool loaded = tables_->Load(
      [&](const std::string&, double, double allDone) {
        if (progress) progress(allDone);
      },
      cancel);
  if (!loaded) return false;
  solver_ = std::make_unique<Solver>(tables_->Tables(), Solver::kDefaultMemoryLog2, 0);
  return true;
}

std::optional<Hint> HintSolver::Next(const Position& position) {
  const std::atomic<bool> never{false};
  return Next(position, never);
}

std::optional<Hint> HintSolver::Next(const Position& position, const std::atomic<bool>& cancel) {
  if (solver_ == nullptr) throw std::logic_error("a hint asked for before the tables are ready");
  if (!position.HoldsTheGoalsTiles()) {
    throw std::invalid_argument("a hint needs an arrangement of the goal's tiles");
  }
  const PackedPosition start = PackedPosition::From(position);
  if (start == PackedPosition::Goal()) return std::nullopt;
  if (const auto known = known_.find(start.Packed()); known != known_.end()) return known->second;

  // A neighbour d moves from the goal puts this position within d - 1 to d + 1 of it, and the
  // move onto the neighbour and on along its remembered path is a solution to beat.
  std::vector<MoveIndex> beside;
  int atLeast = 0;
  const int blank = start.BlankCell();
  const MoveList moves = LegalMoves(blank);
  for (int m = 0; m < moves.count; ++m) {
    const PackedPosition next = Apply(start, moves.moves[m], blank);
    int distance = 0;
    if (next != PackedPosition::Goal()) {
      const auto known = known_.find(next.Packed());
      if (known == known_.end()) continue;
      distance = known->second.movesLeft;
    }
    atLeast = std::max(atLeast, distance - 1);
    if (beside.empty() || distance + 1 < static_cast<int>(beside.size())) {
      beside = PathFrom(next);
      beside.insert(beside.begin(), moves.moves[m]);
    }
  }
  // Next to a remembered path, what the search that found it learnt is worth keeping; anywhere
  // else it would only crowd the search's memory.
  solver_->KeepLearning(!beside.empty());
  // The solver looks at cancel only while this search runs: the flag is the caller's.
  solver_->StopWhen(&cancel);
  std::vector<MoveIndex> path;
  try {
    path = solver_->ShortestPath(start, beside, atLeast);
  } catch (...) {
    solver_->StopWhen(nullptr);
    throw;
  }
  solver_->StopWhen(nullptr);
  if (known_.size() + path.size() > kMostRemembered) known_.clear();
  Remember(start, path);
  return Hint{path.front(), static_cast<int>(path.size())};
}

void HintSolver::Learn(const Position& start, std::string_view letters) {
  if (!start.HoldsTheGoalsTiles() || !ReplayHistory(start, letters).solved) return;
  std::vector<MoveIndex> path;
  for (const char letter : letters) {
    path.push_back(static_cast<MoveIndex>(Move::FromLetter(letter)->Index()));
  }
  if (known_.size() + path.size() > kMostRemembered) known_.clear();
  Remember(PackedPosition::From(start), path);
}

void HintSolver::Remember(PackedPosition start, const std::vector<MoveIndex>& path) {
  PackedPosition position = start;
  for (std::size_t step = 0; step < path.size(); ++step) {
    known_[position.Packed()] = Hint{path[step], static_cast<int>(path.size() - step)};
    position = Apply(position, path[step], position.BlankCell());
  }
}

std::vector<MoveIndex> HintSolver::PathFrom(PackedPosition position) const {
  std::vector<MoveIndex> path;
  for (auto known = known_.find(position.Packed()); known != known_.end();
       known = known_.find(position.Packed())) {
    path.push_back(known->second.move);
    position = Apply(position, known->second.move, position.BlankCell());
  }
  return path;
}

}  // namespace kelvora::solver
