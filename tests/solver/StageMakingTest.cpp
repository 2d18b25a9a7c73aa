// Tests of stage making and of the solver's small helpers.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <sstream>
#include <thread>

#include "SolverSupport.h"
#include "platform/System.h"
#include "solver/MoveOrder.h"
#include "solver/ProgressBar.h"
#include "solver/Solver.h"
#include "solver/StageGenerator.h"
#include "solver/TranspositionTable.h"

// Making stages: the generator hits each par exactly and repeats itself for a seed; the search
// memory forgets.

namespace kelvora::testing {
namespace {

using solver::PackedPosition;

TEST(StageGenerator, MakesDistinctPositionsAtExactlyEachPar) {
  solver::Solver solver(SmallTablePointers());
  solver::StageGenerator generator(solver, 3);
  std::set<std::uint64_t> made;
  for (int par : {1, 1, 1, 2, 5, 9, 12}) {
    const PackedPosition stage = generator.Make(par);
    EXPECT_EQ(static_cast<int>(solver.Solve(stage).size()), par);
    EXPECT_TRUE(made.insert(stage.Packed()).second) << "par " << par << " repeated a stage";
  }
  EXPECT_THROW(generator.Make(0), std::invalid_argument);
  EXPECT_THROW(generator.Make(solver::StageGenerator::kMaxPar + 1), std::invalid_argument);
}

TEST(StageGenerator, TheSameSeedMakesTheSameStages) {
  solver::Solver solver(SmallTablePointers());
  solver::StageGenerator first(solver, 77);
  solver::StageGenerator second(solver, 77);
  solver::StageGenerator other(solver, 78);
  bool differs = false;
  for (int par : {3, 6, 8}) {
    const PackedPosition stage = first.Make(par);
    EXPECT_EQ(second.Make(par), stage);
    differs = differs || other.Make(par) != stage;
  }
  EXPECT_TRUE(differs);
}

constexpr solver::TranspositionTable::Moves kAnyMove =
    solver::MoveOrder::AllowedKinds(solver::MoveOrder::kStart);

TEST(TranspositionTable, RoundsForgetDepthsButKeepBoundsUntilANewSolve) {
  solver::TranspositionTable memory(4);
  memory.NewSolve();
  memory.NewRound();
  EXPECT_FALSE(memory.Find(42));
  memory.Expand(42, 5, kAnyMove);
  ASSERT_TRUE(memory.Find(42));
  EXPECT_TRUE(memory.SeenThisRound(*memory.Find(42), 5, kAnyMove));
  EXPECT_TRUE(memory.SeenThisRound(*memory.Find(42), 6, kAnyMove));
  EXPECT_FALSE(
      memory.SeenThisRound(*memory.Find(42), 4, kAnyMove));  // nearer the start: expand again
  memory.Learn(42, 17, kAnyMove);
  memory.Learn(42, 12, kAnyMove);  // a weaker bound never lowers a proven one
  EXPECT_EQ(memory.Find(42)->bound, 17);

  memory.NewRound();
  EXPECT_FALSE(memory.SeenThisRound(*memory.Find(42), 9, kAnyMove));
  EXPECT_EQ(memory.Find(42)->bound, 17);
  memory.NewSolve();
  EXPECT_FALSE(memory.Find(42));
}

TEST(TranspositionTable, ABoundLearntForANewKeyIsNotTakenForAVisit) {
  solver::TranspositionTable memory(4);
  memory.NewSolve();
  memory.NewRound();
  memory.Learn(7, 20, kAnyMove);
  ASSERT_TRUE(memory.Find(7));
  EXPECT_FALSE(memory.SeenThisRound(*memory.Find(7), 0, kAnyMove));
}

// What was found with more moves allowed serves a visit with fewer, never the other way round.
TEST(TranspositionTable, AnEntryServesVisitsThatAllowNoMoreMoves) {
  solver::TranspositionTable memory(4);
  memory.NewSolve();
  memory.NewRound();
  memory.Expand(42, 5, 0b0111);
  memory.Learn(42, 17, 0b0111);
  const auto entry = memory.Find(42);
  ASSERT_TRUE(entry);
  EXPECT_TRUE(memory.SeenThisRound(*entry, 5, 0b0101));
  EXPECT_EQ(solver::TranspositionTable::BoundFor(*entry, 0b0101), 17);
  EXPECT_FALSE(memory.SeenThisRound(*entry, 5, 0b1101));
  EXPECT_EQ(solver::TranspositionTable::BoundFor(*entry, 0b1101), 0);
  // A visit with another move allowed takes the entry over, and the bound does not carry over.
  memory.Expand(42, 4, 0b1001);
  EXPECT_EQ(memory.Find(42)->bound, 0);
  memory.Learn(42, 9, 0b1001);
  EXPECT_EQ(memory.Find(42)->bound, 9);
}

TEST(TranspositionTable, AFullTableForgetsButNeverMisremembers) {
  solver::TranspositionTable memory(3);
  memory.NewSolve();
  memory.NewRound();
  const auto key = [](std::uint64_t n) { return n * 0x9E3779B97F4A7C15ULL; };
  for (std::uint64_t n = 1; n <= 100; ++n) memory.Learn(key(n), static_cast<int>(n), kAnyMove);
  int remembered = 0;
  for (std::uint64_t n = 1; n <= 100; ++n) {
    if (const auto entry = memory.Find(key(n))) {
      EXPECT_EQ(entry->bound, n);
      ++remembered;
    }
  }
  EXPECT_LE(remembered, 8);
}

// Threads writing the same few slots at once: a slot read halfway through a write must read as
// empty, never as another key's bound.
TEST(TranspositionTable, ThreadsSharingItNeverReadAnotherKeysBound) {
  if (!platform::System::Default().HasThreads()) GTEST_SKIP() << "no threads in a browser page";
  solver::TranspositionTable memory(3);
  memory.NewSolve();
  memory.NewRound();
  const auto key = [](std::uint64_t n) { return n * 0x9E3779B97F4A7C15ULL; };
  std::atomic<int> wrong{0};
  std::atomic<bool> threw{false};
  // Whatever the work throws is caught on its own thread and failed on, so both threads are
  // always joined.
  const auto hammer = [&](std::uint64_t first) noexcept {
    try {
      for (int pass = 0; pass < 100000; ++pass) {
        const std::uint64_t n = first + static_cast<std::uint64_t>(pass % 16) * 2;
        memory.Learn(key(n), static_cast<int>(n % 200), kAnyMove);
        memory.Expand(key(n + 1), 3, kAnyMove);
        if (const auto entry = memory.Find(key(n + 2)); entry && entry->bound != (n + 2) % 200) {
          if (entry->bound != 0) ++wrong;
        }
      }
    } catch (...) {
      threw = true;
    }
  };
  std::thread other(hammer, 2);
  hammer(1);
  other.join();
  EXPECT_FALSE(threw);
  EXPECT_EQ(wrong, 0);
}

TEST(ProgressBar, DrawsOnlyOnChangeAndEndsTheLineWhenFull) {
  std::ostringstream out;
  solver::ProgressBar bar(out, solver::ProgressBar::Style::kInPlace, 10);
  bar.Show("rows", 0.0);
  bar.Show("rows", 0.004);
  bar.Show("rows", 0.5);
  bar.Show("rows", 1.0);
  bar.Show("rows", 1.0);
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 3);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
  EXPECT_NE(text.find("[#####.....] 50%"), std::string::npos) << text;
  EXPECT_NE(text.find("[##########] 100%\n"), std::string::npos) << text;
}

TEST(ProgressBar, OffATerminalWritesALineAtEachTenthAndAgainForANewTable) {
  std::ostringstream out;
  EXPECT_EQ(solver::ProgressBar::StyleFor(out), solver::ProgressBar::Style::kLines);
  solver::ProgressBar bar(out);
  for (int i = 0; i <= 1000; ++i) bar.Show("rows", i / 1000.0);
  bar.Show("cols", 0.35);
  std::string expected;
  for (int tenth = 0; tenth <= 10; ++tenth) {
    expected += "building table rows: " + std::to_string(tenth * 10) + "%\n";
  }
  EXPECT_EQ(out.str(), expected + "building table cols: 30%\n");
}

}  // namespace
}  // namespace kelvora::testing
