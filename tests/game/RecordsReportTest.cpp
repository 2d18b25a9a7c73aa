// The records table both the window and kelvora-stages draw: results against par, a stage that
// starts solved, a player's own stage of unknown par, and a record edited by hand.
#include <gtest/gtest.h>

#include "game/RecordsReport.h"
#include "tests/support/Positions.h"

namespace kelvora {
namespace {

using testing::StageSolvedByM;
using testing::StageSolvedByS;
using testing::StageSolvedByT;

TEST(RecordsReport, SetsEachResultAgainstTheParItKnowsAndCatchesRecordsThatDoNotReplay) {
  Records records;
  records.prepared = {
      {StageSolvedByM(), 3, "QSM"},  // a detour: above par
      {StageSolvedByS(), 1, "S"},    // at par
      {Position::Goal(), 0, ""},     // starts solved: at par with no move
      {StageSolvedByT(), 0, ""},     // not solved yet
      {StageSolvedByT(), 1, "M"},    // edited by hand: M does not solve it
  };
  records.archive = {{StageSolvedByS(), 1, "S"}, {StageSolvedByM(), 2, "MM"}};
  records.randomBest = 1;
  int asked = 0;
  // The player's own stage (T) has no known par, as in a window without the solver's tables.
  const RecordsReport report = ReportRecords(records, [&](const Position& start) {
    ++asked;
    if (start == StageSolvedByT()) return std::optional<int>();
    return std::optional<int>(start.IsGoal() ? 0 : 1);
  });
  EXPECT_EQ(asked, 7);

  ASSERT_EQ(report.prepared.size(), 5u);
  const auto& rows = report.prepared;
  EXPECT_EQ(rows[0].stage, 1);
  EXPECT_EQ(rows[0].best, 3);
  EXPECT_EQ(rows[0].par, 1);
  EXPECT_FALSE(rows[0].atPar);
  EXPECT_TRUE(rows[0].holds);
  EXPECT_TRUE(rows[1].atPar);
  EXPECT_EQ(rows[2].best, 0);
  EXPECT_TRUE(rows[2].atPar);
  EXPECT_TRUE(rows[2].holds);
  EXPECT_FALSE(rows[3].best.has_value());
  EXPECT_FALSE(rows[3].par.has_value());
  EXPECT_FALSE(rows[3].atPar);
  EXPECT_EQ(rows[4].best, 1);
  EXPECT_FALSE(rows[4].holds);
  EXPECT_FALSE(rows[4].atPar);

  const ReportTotals& prepared = report.preparedTotals;
  EXPECT_EQ(prepared.stages, 5);
  EXPECT_EQ(prepared.withResult, 4);
  EXPECT_EQ(prepared.atPar, 2);
  // Only the stages whose par is known are summed against it.
  EXPECT_EQ(prepared.compared, 3);
  EXPECT_EQ(prepared.moves, 4);
  EXPECT_EQ(prepared.par, 2);

  ASSERT_EQ(report.archive.size(), 2u);
  EXPECT_TRUE(report.archive[0].holds);
  // M solves the stage at its first letter: the second is one too many.
  EXPECT_FALSE(report.archive[1].holds);
  EXPECT_EQ(report.archiveTotals.withResult, 2);
  EXPECT_EQ(report.archiveTotals.atPar, 1);
  EXPECT_EQ(report.randomBest, 1);
  EXPECT_EQ(report.archiveCapacity, 50);
}

}  // namespace
}  // namespace kelvora
