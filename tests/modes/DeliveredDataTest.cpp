// The data files first delivered: they load, they hold no records, and every stage is solvable.
#include <gtest/gtest.h>

#include "core/HistoryReplay.h"
#include "modes/DataFiles.h"
#include "modes/DiskFileStore.h"
#include "tools/stages/StageScrambler.h"

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

TEST_F(DeliveredDataTest, EveryStageIsItsGeneratorsWalkAndTheWalkUndoneSolvesIt) {
  const std::vector<ScrambledStage> made = ScrambleStages(kDeliveredSeed, DeliveredWalkLengths());
  ASSERT_EQ(made.size(), 30u);
  std::size_t previous = 0;
  for (int s = 1; s <= 30; ++s) {
    const ScrambledStage& stage = made[s - 1];
    EXPECT_EQ(tables.preparedStages[s], stage.position) << "stage " << s;
    ReplayResult replay = ReplayHistory(tables.preparedStages[s], stage.solution);
    EXPECT_TRUE(replay.solved) << "stage " << s << ": " << replay.problem;
    EXPECT_GE(stage.solution.size(), previous) << "stage " << s;
    previous = stage.solution.size();
  }
  EXPECT_EQ(made[0].solution.size(), 1u);
  EXPECT_GE(made[29].solution.size(), 40u);
}

}  // namespace
}  // namespace kelvora
