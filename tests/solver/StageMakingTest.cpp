// Tests of stage making and of the solver's small helpers.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "SolverSupport.h"
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

TEST(TranspositionTable, RoundsForgetDepthsButKeepBoundsUntilANewSolve) {
  solver::TranspositionTable memory(4);
  memory.NewSolve();
  memory.NewRound();
  EXPECT_EQ(memory.Find(42), nullptr);
  memory.Expand(42, 5);
  ASSERT_NE(memory.Find(42), nullptr);
  EXPECT_TRUE(memory.SeenThisRound(*memory.Find(42), 5));
  EXPECT_TRUE(memory.SeenThisRound(*memory.Find(42), 6));
  EXPECT_FALSE(memory.SeenThisRound(*memory.Find(42), 4));  // nearer the start: expand again
  memory.Learn(42, 17);
  memory.Learn(42, 12);  // a weaker bound never lowers a proven one
  EXPECT_EQ(memory.Find(42)->bound, 17);

  memory.NewRound();
  EXPECT_FALSE(memory.SeenThisRound(*memory.Find(42), 9));
  EXPECT_EQ(memory.Find(42)->bound, 17);
  memory.NewSolve();
  EXPECT_EQ(memory.Find(42), nullptr);
}

TEST(TranspositionTable, ABoundLearntForANewKeyIsNotTakenForAVisit) {
  solver::TranspositionTable memory(4);
  memory.NewSolve();
  memory.NewRound();
  memory.Learn(7, 20);
  ASSERT_NE(memory.Find(7), nullptr);
  EXPECT_FALSE(memory.SeenThisRound(*memory.Find(7), 0));
}

TEST(TranspositionTable, AFullTableForgetsButNeverMisremembers) {
  solver::TranspositionTable memory(3);
  memory.NewSolve();
  memory.NewRound();
  const auto key = [](std::uint64_t n) { return n * 0x9E3779B97F4A7C15ULL; };
  for (std::uint64_t n = 1; n <= 100; ++n) memory.Learn(key(n), static_cast<int>(n));
  int remembered = 0;
  for (std::uint64_t n = 1; n <= 100; ++n) {
    if (const auto* entry = memory.Find(key(n))) {
      EXPECT_EQ(entry->bound, n);
      ++remembered;
    }
  }
  EXPECT_LE(remembered, 8);
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
