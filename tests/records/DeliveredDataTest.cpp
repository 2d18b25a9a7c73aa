// The data files first delivered: they load, they hold no records, and every stage is solved by
// the solution its generator proved optimal, in exactly its par.
#include <gtest/gtest.h>

#include "core/HistoryReplay.h"
#include "modes/DataFiles.h"
#include "modes/DiskFileStore.h"
#include "support/DeliveredSolutions.h"

namespace kelvora {
namespace {

class DeliveredDataTest : public ::testing::Test {
 protected:
  DeliveredDataTest() : files(tables, store, KELVORA_DELIVERED_DATA) { files.LoadDataFiles(); }
  DataTables tables;
  DiskFileStore store;
  DataFiles files;
};

TEST_F(DeliveredDataTest, HoldThirtyStagesAndNoRecords) {
  EXPECT_EQ(tables.preparedStageCount, 30);
  for (int s = 1; s <= 30; ++s) {
    EXPECT_EQ(tables.bestMoves[s], 0) << s;
    EXPECT_EQ(tables.bestHistory[s], "") << s;
  }
  EXPECT_EQ(tables.randomStageCount, 0);
  EXPECT_EQ(tables.randomBest, kNoRandomBest);
  EXPECT_EQ(store.Read(files.MYpath() + kPreparedBestFile).contents, files.PreparedBestText());
  EXPECT_EQ(store.Read(files.MYpath() + kRandomStagesFile).contents, "0\r\n");
  EXPECT_EQ(store.Read(files.MYpath() + kRandomRecordsFile).contents, "0\r\n9999\r\n");
}

TEST_F(DeliveredDataTest, EveryStageIsSolvedInItsParAndTheParsRiseFromOneToSixty) {
  const auto solutions = testing::DeliveredSolutions();
  ASSERT_EQ(solutions.size(), 30u);
  int previous = 0;
  for (int s = 1; s <= 30; ++s) {
    const auto& solution = solutions[s - 1];
    EXPECT_EQ(static_cast<int>(solution.letters.size()), solution.par) << "stage " << s;
    const ReplayResult replay = ReplayHistory(tables.preparedStages[s], solution.letters);
    EXPECT_TRUE(replay.solved) << "stage " << s << ": " << replay.problem;
    EXPECT_GT(solution.par, previous) << "stage " << s;
    previous = solution.par;
  }
  EXPECT_EQ(solutions.front().par, 1);
  EXPECT_GE(solutions.back().par, 40);
}

}  // namespace
}  // namespace kelvora
