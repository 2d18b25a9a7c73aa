// Random stages: the shuffle, the archive of solves, the overall best, and a full archive.
#include <gtest/gtest.h>

#include <utility>

#include "core/ClockRandom.h"
#include "core/TileIndex.h"
#include "support/ModesFixture.h"

namespace kelvora::testing {
namespace {

// A generator script for one shuffle: these cell swaps, then swaps of cell 0 with itself.
std::vector<double> Swaps(const std::vector<std::pair<int, int>>& swaps) {
  std::vector<double> values;
  for (auto [first, second] : swaps) {
    values.push_back((first + 0.5) / 15.0);
    values.push_back((second + 0.5) / 15.0);
  }
  values.resize(200, 0.0);
  return values;
}

// Swaps that turn the goal into StageSolvedByS (row 1 turned right) and into "row 1 turned
// right twice", solved by "SS".
const std::vector<std::pair<int, int>> kToSolvedByS = {{0, 12}, {4, 12}, {8, 12}};
const std::vector<std::pair<int, int>> kToTwoTurns = {{0, 8}, {4, 12}};

class RandomStageModeTest : public ModesFixture {
 protected:
  void SetUp() override { Load({StageSolvedByM()}); }
  void Script(const std::vector<std::pair<int, int>>& swaps) {
    random = ScriptedRandom(Swaps(swaps));
  }
  std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    std::string text = File(name);
    for (std::size_t start = 0; start < text.size();) {
      std::size_t end = text.find("\r\n", start);
      lines.push_back(text.substr(start, end - start));
      start = end + 2;
    }
    return lines;
  }
};

TEST_F(RandomStageModeTest, StartHidesTheStageNavigationAndShowsTheRandomBest) {
  game.StartPreparedStages();
  Script(kToSolvedByS);
  game.StartRandomStage();
  EXPECT_EQ(state().gameMode, kRandomStageMode);
  EXPECT_EQ(state().gameActive, 1);
  for (auto label : {ScreenLabel::Label7, ScreenLabel::Label8_0, ScreenLabel::Label8_1}) {
    EXPECT_FALSE(screen.Shown(label)) << LabelName(label);
  }
  EXPECT_TRUE(screen.Shown(ScreenLabel::Label9));
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "9999");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label6), "0");
}

TEST_F(RandomStageModeTest, ShufflesThePositionOnTheBoardAndKeepsItForTheRecord) {
  game.StartPreparedStages();  // stage 1 on the board, not the goal
  Script({{0, 1}});
  game.StartRandomStage();
  StageGrid expected = StageSolvedByM();
  std::swap(expected[1][1], expected[1][2]);
  EXPECT_EQ(state().board.Field(), expected);
  EXPECT_EQ(tables().randomStages[1], expected);
  EXPECT_TRUE(screen.ShowsBoard(state().board));
  EXPECT_EQ(tables().randomStageCount, 0);
}

TEST(RandomShuffle, NeverMovesTheBottomRightCell) {
  RecordingScreen screen;
  ClockRandom random;
  MemoryFileStore store;
  store.files[kFolder + "MENDATA1.txt"] = StageFileText({StageSolvedByM()});
  Kelvora game(screen, random, store, "/games/kelvora");
  game.Form_Load();
  bool sawEveryOtherCellMove = true;
  std::array<bool, 16> moved{};
  for (int shuffle = 0; shuffle < 300; ++shuffle) {
    const int before = game.State().board.At(4, 4);
    const StageGrid start = game.State().board.Field();
    game.StartRandomStage();
    ASSERT_EQ(game.State().board.At(4, 4), before) << "shuffle " << shuffle;
    for (int i = 0; i < 15; ++i) {
      if (game.State().board.At(ColumnOf(i), RowOf(i)) != start[ColumnOf(i)][RowOf(i)]) {
        moved[i] = true;
      }
    }
    if (game.State().gameActive == 1) game.Label2_Click(1);  // row 4 turns: (4, 4) changes
  }
  for (int i = 0; i < 15; ++i) sawEveryOtherCellMove = sawEveryOtherCellMove && moved[i];
  EXPECT_TRUE(sawEveryOtherCellMove);
}

TEST_F(RandomStageModeTest, ASolveIsArchivedWithItsStageAndSavedAtOnce) {
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("RRRRS");
  EXPECT_EQ(tables().randomStageCount, 1);
  EXPECT_EQ(tables().randomRecordMoves[1], 5);
  EXPECT_EQ(tables().randomRecordHistory[1], "RRRRS");
  EXPECT_EQ(tables().randomBest, 5);
  auto stages = Lines("MENDATA2.txt");
  ASSERT_EQ(stages.size(), 17u);
  EXPECT_EQ(stages[0], "1");
  EXPECT_EQ(stages[1], "13");  // column 1 top: the blank of the turned row
  EXPECT_EQ(Lines("BEST2.txt"), (std::vector<std::string>{"1", "5", "5", "\"RRRRS\""}));
  // The best shown is refreshed by the next start only.
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "9999");
  game.StartRandomStage();
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "5");
}

TEST_F(RandomStageModeTest, TheBestOnlyComesDown) {
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("QSS");
  EXPECT_EQ(tables().randomBest, 3);
  game.StartRandomStage();
  Play("S");
  EXPECT_EQ(tables().randomBest, 1);
  game.StartRandomStage();
  Play("RRRRS");
  EXPECT_EQ(tables().randomBest, 1);
  EXPECT_EQ(tables().randomStageCount, 3);
  EXPECT_EQ(Lines("BEST2.txt")[1], "1");
}

std::string Repeat(const std::string& letters, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += letters;
  return result;
}

TEST_F(RandomStageModeTest, ASolveOfAThousandMovesIsRecordedAndOneMoreIsNot) {
  Script(kToTwoTurns);
  game.StartRandomStage();
  Play(Repeat("RRRR", 249) + "RT" + "SS");  // 996 + 2 + 2
  EXPECT_EQ(tables().randomStageCount, 1);
  EXPECT_EQ(tables().randomRecordMoves[1], 1000);
  EXPECT_EQ(tables().randomRecordHistory[1].size(), 1000u);

  const auto files = store.files;
  const auto writes = store.writes.size();
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play(Repeat("RRRR", 249) + "RTRT" + "S");  // 996 + 4 + 1
  EXPECT_EQ(state().gameActive, 0);
  EXPECT_EQ(tables().randomStageCount, 1);
  EXPECT_EQ(store.writes.size(), writes);
  EXPECT_EQ(store.files, files);
}

TEST_F(RandomStageModeTest, AShuffleThatGivesTheGoalCompletesAtOnceWithNoMoves) {
  Script({});
  game.StartRandomStage();
  EXPECT_EQ(screen.Caption(ScreenLabel::Label11), "Congratulations!");
  EXPECT_EQ(tables().randomStageCount, 1);
  EXPECT_EQ(tables().randomRecordMoves[1], 0);
  EXPECT_EQ(tables().randomBest, 0);
}

TEST_F(RandomStageModeTest, StartingAgainWithoutASolveRecordsNothingAndShufflesOnFromThere) {
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("R");
  StageGrid expected = state().board.Field();
  for (auto [first, second] : kToSolvedByS) {
    std::swap(expected[ColumnOf(first)][RowOf(first)], expected[ColumnOf(second)][RowOf(second)]);
  }
  game.StartRandomStage();
  EXPECT_EQ(state().board.Field(), expected);
  EXPECT_EQ(tables().randomStageCount, 0);
  EXPECT_TRUE(store.writes.empty());
  EXPECT_TRUE(state().moveHistory.empty());
}

TEST_F(RandomStageModeTest, AFullArchivePlaysOnWithoutRecordingAndSaysSoOnce) {
  for (int i = 1; i <= kTableCapacity; ++i) {
    tables().randomStages[i] = StageSolvedByT();
    tables().randomRecordMoves[i] = 1;
    tables().randomRecordHistory[i] = "T";
  }
  tables().randomStageCount = kTableCapacity;
  tables().randomBest = 1;
  const DataTables before = tables();
  Script(kToSolvedByS);
  game.StartRandomStage();
  EXPECT_EQ(state().gameActive, 1);
  Play("S");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label11), "Congratulations!");
  EXPECT_EQ(tables(), before);
  EXPECT_TRUE(store.writes.empty());
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_NE(screen.messages[0].second.find("50 面"), std::string::npos);
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("S");
  EXPECT_EQ(screen.messages.size(), 1u);
}

TEST_F(RandomStageModeTest, AFailedSaveKeepsTheRecordForTheNextSave) {
  store.failing.insert(kFolder + "MENDATA2.txt");
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("S");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_NE(screen.messages[0].second.find("MENDATA2.txt"), std::string::npos);
  EXPECT_EQ(store.attempts, std::vector<std::string>{kFolder + "MENDATA2.txt"});
  EXPECT_EQ(tables().randomStageCount, 1);

  store.failing.clear();
  game.StartRandomStage();
  Play("QSS");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(Lines("BEST2.txt"), (std::vector<std::string>{"2", "1", "1", "\"S\"", "3", "\"QSS\""}));
  EXPECT_EQ(Lines("MENDATA2.txt").size(), 33u);
}

}  // namespace
}  // namespace kelvora::testing
