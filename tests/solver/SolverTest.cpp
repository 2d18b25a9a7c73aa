// Tests of the solver against a plain breadth-first search near the goal.
#include <gtest/gtest.h>

#include <random>

#include "SolverSupport.h"
#include "core/HistoryReplay.h"
#include "solver/Solver.h"

// The solver against a plain breadth-first search: thousands of positions near the goal get
// answers of exactly their true length, each one replayed by the core's rules.

namespace kelvora::testing {
namespace {

using solver::PackedPosition;
using solver::Solver;

constexpr int kDepth = 13;

// One position in every about n, spread over the whole set. (A packed position modulo 3 is the
// same for all of them: the codes always add up to the same sum, and 16 is 1 modulo 3.)
bool Sampled(std::uint64_t packed, std::uint64_t n) {
  return ((packed * 0x9E3779B97F4A7C15ULL) >> 40) % n == 0;
}

const std::unordered_map<std::uint64_t, int>& NearGoal() {
  static const auto distances = DistancesFromGoal(kDepth);
  return distances;
}

TEST(SolverOptimality, AnswersMatchBreadthFirstSearchAndReplayInTheGame) {
  Solver solver(SmallTablePointers());
  int checked = 0;
  std::array<int, kDepth + 1> perDepth{};
  for (const auto& [packed, distance] : NearGoal()) {
    // Every position up to 9 moves out, then every 7th, so each depth is well covered.
    if (distance > 9 && !Sampled(packed, 7)) continue;
    const PackedPosition start(packed);
    const std::string solution = solver.Solve(start);
    ASSERT_EQ(static_cast<int>(solution.size()), distance) << "position " << std::hex << packed;
    const ReplayResult replay = ReplayHistory(start.ToPosition(), solution);
    ASSERT_TRUE(replay.solved) << solution << ": " << replay.status.English();
    ++perDepth[distance];
    ++checked;
  }
  EXPECT_GT(checked, 3000);
  for (int depth = 0; depth <= kDepth; ++depth) EXPECT_GT(perDepth[depth], 0) << depth;
}

TEST(SolverOptimality, BoundsNeverExceedTheTrueDistance) {
  Solver solver(SmallTablePointers());
  int tight = 0;
  for (const auto& [packed, distance] : NearGoal()) {
    if (!Sampled(packed, 3)) continue;
    const int bound = solver.LowerBound(PackedPosition(packed));
    ASSERT_LE(bound, distance) << "position " << std::hex << packed;
    tight += bound == distance;
  }
  // Bounds of 0 everywhere would pass too; the tables must actually be informative.
  EXPECT_GT(tight, 100);
}

// Columns 1 to 3 sharing the cost of every move (turns charged to column 1) beside a table that
// counts every move: the sum is a second bound, and with it the solver still answers shortest.
TEST(SolverOptimality, TablesSharingTheCostOfMovesAddUpToBoundsThatStillHold) {
  using solver::MoveCosts;
  std::vector<solver::PatternTable> shared;
  for (int column = 0; column < 3; ++column) {
    const solver::PatternSpace space(
        "column", {4 * column, 4 * column + 1, 4 * column + 2, 4 * column + 3},
        column == 0 ? MoveCosts::kTurnsAndOwnSlides : MoveCosts::kOwnSlides);
    solver::PatternTableBuilder builder(space, 2);
    shared.emplace_back(space, std::make_unique<solver::OwnedTableMemory>(builder.Build()));
  }
  const solver::PatternTable& counting = SmallTables()[0];
  Solver alone({&counting});
  Solver both({&shared[0], &shared[1], &shared[2], &counting});
  int raised = 0;
  int solved = 0;
  for (const auto& [packed, distance] : NearGoal()) {
    if (!Sampled(packed, 20)) continue;
    const PackedPosition position(packed);
    const int bound = both.LowerBound(position);
    ASSERT_LE(bound, distance) << "position " << std::hex << packed;
    raised += bound > alone.LowerBound(position);
    if (distance < 9 || !Sampled(packed, 400)) continue;
    const std::string solution = both.Solve(position);
    ASSERT_EQ(static_cast<int>(solution.size()), distance) << "position " << std::hex << packed;
    ASSERT_TRUE(ReplayHistory(position.ToPosition(), solution).solved) << solution;
    ++solved;
  }
  EXPECT_GT(raised, 300);
  EXPECT_GT(solved, 40);
}

TEST(SolverOptimality, ATinyTranspositionTableStillFindsShortestAnswers) {
  Solver roomy(SmallTablePointers());
  Solver cramped(SmallTablePointers(), 2);
  std::mt19937_64 engine(21);
  for (int i = 0; i < 60; ++i) {
    const PackedPosition start = RandomWalk(engine, 12 + i % 6);
    const std::string expected = roomy.Solve(start);
    const std::string answer = cramped.Solve(start);
    ASSERT_EQ(answer.size(), expected.size());
    EXPECT_TRUE(ReplayHistory(start.ToPosition(), answer).solved) << answer;
  }
}

// Threads that share every round from the first still answer shortest, and a cancel that one of
// them sees stops them all and reaches the caller.
TEST(SolverOptimality, SharedRoundsFindShortestAnswersAndStopWhenCancelled) {
  Solver shared(SmallTablePointers(), Solver::kDefaultMemoryLog2, 3);
  shared.ShareRoundsFrom(0);
  int checked = 0;
  for (const auto& [packed, distance] : NearGoal()) {
    if (distance < 6 || !Sampled(packed, 13)) continue;
    const PackedPosition start(packed);
    const std::string solution = shared.Solve(start);
    ASSERT_EQ(static_cast<int>(solution.size()), distance) << "position " << std::hex << packed;
    ASSERT_TRUE(ReplayHistory(start.ToPosition(), solution).solved) << solution;
    ++checked;
  }
  EXPECT_GT(checked, 300);
  const std::atomic<bool> cancel{true};
  shared.StopWhen(&cancel);
  const Position far = Position::FromCodes({6, 8, 5, 10, 13, 3, 2, 7, 2, 11, 8, 12, 5, 9, 4, 1});
  EXPECT_THROW(shared.Solve(PackedPosition::From(far)), solver::SearchCancelled);
}

TEST(Solver, TheGoalNeedsNoMovesAndTableCountsAreChecked) {
  Solver solver(SmallTablePointers());
  EXPECT_EQ(solver.Solve(PackedPosition::Goal()), "");
  EXPECT_EQ(solver.LowerBound(PackedPosition::Goal()), 0);
  EXPECT_THROW(Solver(std::vector<const solver::PatternTable*>{}), std::invalid_argument);
  std::vector<const solver::PatternTable*> five(5, &SmallTables()[0]);
  EXPECT_THROW(Solver{five}, std::invalid_argument);
  // A board missing a tile has no index in the tables; it is refused, not searched.
  PackedPosition missing = PackedPosition::Goal();
  missing.SetCode(0, 2);
  EXPECT_THROW(solver.Solve(missing), std::invalid_argument);
}

// The hint's search looks at its cancel flag as it goes: a far search stops, and what it learnt
// on the way leaves the next answer exact.
TEST(Solver, ACancelledSearchStopsAndTheNextIsStillShortest) {
  Solver solver(SmallTablePointers());
  solver.KeepLearning(true);
  // The last delivered stage, 60 moves out: minutes of search with the small tables.
  const Position far = Position::FromCodes({6, 8, 5, 10, 13, 3, 2, 7, 2, 11, 8, 12, 5, 9, 4, 1});
  const std::atomic<bool> cancel{true};
  solver.StopWhen(&cancel);
  EXPECT_THROW(solver.Solve(PackedPosition::From(far)), solver::SearchCancelled);
  solver.StopWhen(nullptr);
  for (const auto& [packed, distance] : NearGoal()) {
    if (distance != kDepth || !Sampled(packed, 50)) continue;
    ASSERT_EQ(static_cast<int>(solver.Solve(PackedPosition(packed)).size()), distance);
  }
}

}  // namespace
}  // namespace kelvora::testing
