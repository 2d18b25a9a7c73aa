// The data files first delivered: they load, they hold no records, and every stage is solved by
// the solution its generator proved optimal, in exactly its par.
#include <gtest/gtest.h>

#include "core/HistoryReplay.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "tests/support/DeliveredSolutions.h"
#include "tests/support/LoadedRecords.h"

namespace kelvora {
namespace {

class DeliveredDataTest : public ::testing::Test {
 protected:
  DeliveredDataTest()
      : files(store, KELVORA_DELIVERED_DATA), records(testing::LoadedRecords(files)) {}
  std::string Contents(const char* name) { return *store.Read(files.Folder() + name); }

  DiskFileStore store;
  RecordFiles files;
  Records records;
};

TEST_F(DeliveredDataTest, HoldThirtyStagesAndNoRecords) {
  ASSERT_EQ(records.prepared.size(), 30u);
  for (std::size_t s = 0; s < records.prepared.size(); ++s) {
    EXPECT_EQ(records.prepared[s].bestMoves, 0) << "stage " << s + 1;
    EXPECT_EQ(records.prepared[s].bestHistory, "") << "stage " << s + 1;
  }
  EXPECT_TRUE(records.archive.empty());
  EXPECT_EQ(records.randomBest, kNoRandomBest);
  // Byte for byte what a save of these records would write.
  EXPECT_EQ(Contents(kPreparedBestFile), RecordFiles::PreparedBestsText(records));
  EXPECT_EQ(Contents(kRandomStagesFile), "0\r\n");
  EXPECT_EQ(Contents(kRandomRecordsFile), "0\r\n9999\r\n");
}

TEST_F(DeliveredDataTest, EveryStageIsSolvedInItsParAndTheParsRiseFromOneToSixty) {
  const auto solutions = testing::DeliveredSolutions();
  ASSERT_EQ(solutions.size(), 30u);
  ASSERT_EQ(records.prepared.size(), 30u);
  int previous = 0;
  for (std::size_t s = 0; s < solutions.size(); ++s) {
    const auto& solution = solutions[s];
    EXPECT_EQ(static_cast<int>(solution.letters.size()), solution.par) << "stage " << s + 1;
    const ReplayResult replay = ReplayHistory(records.prepared[s].start, solution.letters);
    EXPECT_TRUE(replay.solved) << "stage " << s + 1 << ": " << replay.status.English();
    EXPECT_GT(solution.par, previous) << "stage " << s + 1;
    previous = solution.par;
  }
  EXPECT_EQ(solutions.front().par, 1);
  EXPECT_GE(solutions.back().par, 40);
}

}  // namespace
}  // namespace kelvora
