// Random stages: the shuffle, the archive of solves, the overall best, and a full archive.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>

#include "tests/support/GameFixture.h"
#include "text/GameText.h"

namespace kelvora::testing {
namespace {

using Swaps = std::vector<std::pair<int, int>>;

// Swaps that turn the goal into StageSolvedByS (row 1 turned right) and into "row 1 turned
// right twice", solved by "SS".
const Swaps kToSolvedByS = {{0, 12}, {4, 12}, {8, 12}};
const Swaps kToTwoTurns = {{0, 8}, {4, 12}};

std::string Repeat(const std::string& letters, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += letters;
  return result;
}

class RandomStageModeTest : public GameFixture {
 protected:
  void SetUp() override { Load({StageSolvedByM()}); }
  // Every shuffle from now on makes these swaps.
  void Script(const Swaps& swaps) { random = ScriptedRandom(ShuffleDraws(swaps)); }
  const std::vector<ArchivedStage>& Archive() { return game.View().records.archive; }
  std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> lines;
    const std::string text = File(name);
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find("\r\n", start);
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
  EXPECT_TRUE(game.View().takesMoves);
  for (StatusLabel label : {StatusLabel::kStageCaption, StatusLabel::kBack, StatusLabel::kNext}) {
    EXPECT_FALSE(screen.Shown(label)) << LabelName(label);
  }
  EXPECT_TRUE(screen.Shown(StatusLabel::kBestHeading));
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "9999");
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "0");
  // Back and next belong to the prepared stages only.
  Play("Q");
  const Position played = game.View().board;
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(game.View().board, played);
  EXPECT_EQ(game.View().moveCount, 1);
}

TEST_F(RandomStageModeTest, ShufflesThePositionOnTheBoardAndArchivesTheStageItMade) {
  Position start = StageSolvedByS();
  start.Swap({1, 1}, {1, 2});
  FixedStageMode fixed(start);
  game.Begin(fixed);
  Script({{0, 1}});
  game.StartRandomStage();
  EXPECT_EQ(game.View().board, StageSolvedByS());
  EXPECT_TRUE(screen.Shows(StageSolvedByS()));
  EXPECT_TRUE(Archive().empty());
  Play("S");
  EXPECT_EQ(Archive(), (std::vector<ArchivedStage>{{StageSolvedByS(), 1, "S"}}));
  EXPECT_TRUE(fixed.solves.empty());
}

TEST_F(RandomStageModeTest, AShuffleNeverMovesTheBottomRightCellAndMovesEveryOther) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  std::vector<double> values(60000);
  for (double& value : values) value = unit(rng);
  // A generator that strays to 1.0 must not reach the last cell either.
  for (std::size_t i = 0; i < values.size(); i += 37) values[i] = 1.0;
  random = ScriptedRandom(values);
  std::array<bool, 15> moved{};
  for (int shuffle = 0; shuffle < 300; ++shuffle) {
    const Position before = game.View().board;
    game.StartRandomStage();
    const Position& after = game.View().board;
    ASSERT_EQ(after.At({4, 4}), before.At({4, 4})) << "shuffle " << shuffle;
    for (int i = 0; i < 15; ++i) moved[i] = moved[i] || after.At(CellAt(i)) != before.At(CellAt(i));
    // A turn of row 4 brings another tile into the bottom-right cell for the next shuffle.
    if (game.View().takesMoves) game.ClickArrow(1);
  }
  for (int i = 0; i < 15; ++i) EXPECT_TRUE(moved[i]) << "cell " << i;
}

TEST_F(RandomStageModeTest, ASolveIsArchivedWithItsStageAndSavedAtOnce) {
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("RRRRS");
  EXPECT_EQ(Archive(), (std::vector<ArchivedStage>{{StageSolvedByS(), 5, "RRRRS"}}));
  EXPECT_EQ(game.View().records.randomBest, 5);
  EXPECT_EQ(File("MENDATA2.txt"), StageFileText({StageSolvedByS()}));
  EXPECT_EQ(Lines("BEST2.txt"), (std::vector<std::string>{"1", "5", "5", "\"RRRRS\""}));
  // The best shown is refreshed by the next start only.
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "9999");
  game.StartRandomStage();
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "5");
}

TEST_F(RandomStageModeTest, TheBestOnlyComesDown) {
  Script(kToSolvedByS);
  for (const char* solve : {"QSS", "S", "RRRRS"}) {
    game.StartRandomStage();
    Play(solve);
  }
  EXPECT_EQ(Archive().size(), 3u);
  EXPECT_EQ(game.View().records.randomBest, 1);
  EXPECT_EQ(Lines("BEST2.txt")[1], "1");
}

TEST_F(RandomStageModeTest, ASolveOfAThousandMovesIsArchivedAndOneMoreIsNot) {
  Script(kToTwoTurns);
  game.StartRandomStage();
  Play(Repeat("RRRR", 249) + "RT" + "SS");  // 996 + 2 + 2
  ASSERT_EQ(Archive().size(), 1u);
  EXPECT_EQ(Archive()[0].moves, 1000);
  EXPECT_EQ(Archive()[0].history.size(), 1000u);

  const auto filesBefore = store.files;
  const auto writes = store.writes.size();
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play(Repeat("RRRR", 249) + "RTRT" + "S");  // 996 + 4 + 1
  EXPECT_FALSE(game.View().takesMoves);
  EXPECT_EQ(Archive().size(), 1u);
  EXPECT_EQ(store.writes.size(), writes);
  EXPECT_EQ(store.files, filesBefore);
}

TEST_F(RandomStageModeTest, AShuffleThatGivesTheGoalCompletesAtOnceWithNoMoves) {
  Script({});
  game.StartRandomStage();
  EXPECT_EQ(screen.Caption(StatusLabel::kCompletion), text::kCongratulations);
  EXPECT_EQ(Archive(), (std::vector<ArchivedStage>{{Position::Goal(), 0, ""}}));
  EXPECT_EQ(game.View().records.randomBest, 0);
}

TEST_F(RandomStageModeTest, StartingAgainWithoutASolveRecordsNothingAndShufflesOnFromThere) {
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("R");
  Position expected = game.View().board;
  for (auto [first, second] : kToSolvedByS) expected.Swap(CellAt(first), CellAt(second));
  game.StartRandomStage();
  EXPECT_EQ(game.View().board, expected);
  EXPECT_EQ(game.View().history, "");
  EXPECT_TRUE(Archive().empty());
  EXPECT_TRUE(store.writes.empty());
}

TEST_F(RandomStageModeTest, AFullArchivePlaysOnUnrecordedAndSaysSoOnce) {
  std::string records = "50\r\n1\r\n";
  for (int i = 0; i < kMostStagesInAFile; ++i) records += "1\r\n\"T\"\r\n";
  store.files[kFolder + "MENDATA2.txt"] =
      StageFileText(std::vector<Position>(kMostStagesInAFile, StageSolvedByT()));
  store.files[kFolder + "BEST2.txt"] = records;
  ASSERT_TRUE(game.Start().ok());
  const Records before = game.View().records;
  ASSERT_EQ(before.archive.size(), 50u);

  Script(kToSolvedByS);
  for (int solve = 0; solve < 2; ++solve) {
    game.StartRandomStage();
    EXPECT_TRUE(game.View().takesMoves);
    Play("S");
    EXPECT_FALSE(game.View().takesMoves);
  }
  EXPECT_EQ(game.View().records, before);
  EXPECT_TRUE(store.writes.empty());
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(screen.messages[0].second, text::kArchiveFull);
}

TEST_F(RandomStageModeTest, AFailedSaveKeepsTheRecordForTheNextSaveOfEitherMode) {
  store.failing.insert(kFolder + "MENDATA2.txt");
  Script(kToSolvedByS);
  game.StartRandomStage();
  Play("S");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_NE(screen.messages[0].second.find(kFolder + "MENDATA2.txt"), std::string::npos);
  EXPECT_EQ(store.attempts, std::vector<std::string>{kFolder + "MENDATA2.txt"});
  EXPECT_EQ(Archive().size(), 1u);

  store.failing.clear();
  game.StartPreparedStages();
  Play("M");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(File("MENDATA2.txt"), StageFileText({StageSolvedByS()}));
  EXPECT_EQ(Lines("BEST2.txt"), (std::vector<std::string>{"1", "1", "1", "\"S\""}));
}

}  // namespace
}  // namespace kelvora::testing
