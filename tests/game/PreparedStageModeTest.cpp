// Prepared stages: the start, stepping round both ends, and keeping each stage's best.
#include <gtest/gtest.h>

#include "core/TileCodes.h"
#include "support/ModesFixture.h"

namespace kelvora::testing {
namespace {

class PreparedStageModeTest : public ModesFixture {
 protected:
  void SetUp() override { Load({StageSolvedByM(), StageSolvedByS(), StageSolvedByT()}); }
};

TEST_F(PreparedStageModeTest, StartsAtStageOneWithItsCaptionNavigationAndBest) {
  tables().bestMoves[1] = 4;
  screen.log.clear();
  game.StartPreparedStages();
  EXPECT_EQ(state().gameActive, 1);
  EXPECT_EQ(state().gameMode, kPreparedStageMode);
  EXPECT_EQ(state().stageNumber, 1);
  EXPECT_EQ(state().board.Field(), StageSolvedByM());
  EXPECT_TRUE(screen.ShowsBoard(state().board));
  EXPECT_EQ(screen.Caption(ScreenLabel::Label7), "第 1面");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label6), "0");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "4");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label4), "14");
  for (auto label : {ScreenLabel::Label7, ScreenLabel::Label8_0, ScreenLabel::Label8_1,
                     ScreenLabel::Label9, ScreenLabel::Label10}) {
    EXPECT_TRUE(screen.Shown(label)) << LabelName(label);
  }
  // The move display reads 0 before the navigation appears, and the caption before the best.
  const std::vector<std::string> head(screen.log.begin(), screen.log.begin() + 6);
  EXPECT_EQ(head, (std::vector<std::string>{"caption Label6=0", "show Label6", "show Label7",
                                            "show Label8(0)", "show Label8(1)",
                                            "caption Label7=第 1面"}));
}

TEST_F(PreparedStageModeTest, BackAndNextWrapRoundBothEnds) {
  game.StartPreparedStages();
  game.Label8_Click(0);
  EXPECT_EQ(state().stageNumber, 3);
  EXPECT_EQ(state().board.Field(), StageSolvedByT());
  EXPECT_EQ(screen.Caption(ScreenLabel::Label7), "第 3面");
  game.Label8_Click(1);
  EXPECT_EQ(state().stageNumber, 1);
  game.Label8_Click(1);
  EXPECT_EQ(state().stageNumber, 2);
  EXPECT_EQ(state().clickIndex, 1);
  EXPECT_TRUE(screen.ShowsBoard(state().board));
}

TEST_F(PreparedStageModeTest, SteppingAwayAndBackRestartsTheStage) {
  game.StartPreparedStages();
  Play("QQ");
  game.Label8_Click(1);
  game.Label8_Click(0);
  EXPECT_EQ(state().board.Field(), StageSolvedByM());
  EXPECT_EQ(state().moveCount, 0);
  EXPECT_EQ(screen.Caption(ScreenLabel::Label6), "0");
  EXPECT_TRUE(state().moveHistory.empty());
}

TEST_F(PreparedStageModeTest, StoresTheSolveWithOnlyItsOwnMoves) {
  game.StartPreparedStages();
  Play("QQ");  // abandoned by stepping
  game.Label8_Click(1);
  game.Label8_Click(0);
  Play("QSM");
  EXPECT_EQ(tables().bestMoves[1], 3);
  EXPECT_EQ(tables().bestHistory[1], "QSM");
  EXPECT_EQ(File("BEST1.txt"), "3\r\n3\r\n\"QSM\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  // Label10 keeps the former best until the stage is shown again.
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "0");
  game.StartPreparedStages();
  EXPECT_EQ(screen.Caption(ScreenLabel::Label10), "3");
}

TEST_F(PreparedStageModeTest, ARestartDropsTheMovesOfTheAbandonedGame) {
  game.StartPreparedStages();
  Play("QQ");
  game.StartPreparedStages();
  EXPECT_EQ(state().moveCount, 0);
  EXPECT_TRUE(state().moveHistory.empty());
  Play("M");
  EXPECT_EQ(tables().bestHistory[1], "M");
}

TEST_F(PreparedStageModeTest, ATieReplacesTheHistoryAndAWorseSolveChangesNothing) {
  tables().bestMoves[1] = 3;
  tables().bestHistory[1] = "SQM";
  game.StartPreparedStages();
  Play("QSM");
  EXPECT_EQ(tables().bestHistory[1], "QSM");
  EXPECT_EQ(store.writes.size(), 1u);

  game.StartPreparedStages();
  Play("QQQQM");
  EXPECT_EQ(tables().bestMoves[1], 3);
  EXPECT_EQ(tables().bestHistory[1], "QSM");
  EXPECT_EQ(store.writes.size(), 1u);

  game.StartPreparedStages();
  Play("M");
  EXPECT_EQ(tables().bestMoves[1], 1);
  EXPECT_EQ(store.writes.size(), 2u);
}

TEST_F(PreparedStageModeTest, AfterASolveStagesStillStepButTheBoardIsInert) {
  game.StartPreparedStages();
  Play("M");
  EXPECT_EQ(state().gameActive, 0);
  game.Label8_Click(1);
  EXPECT_EQ(state().stageNumber, 2);
  EXPECT_EQ(state().board.Field(), StageSolvedByS());
  const int beeps = screen.beeps;
  Play("SA");
  EXPECT_EQ(state().board.Field(), StageSolvedByS());
  EXPECT_EQ(screen.beeps, beeps);
  game.StartPreparedStages();
  EXPECT_EQ(state().stageNumber, 1);
  EXPECT_EQ(state().gameActive, 1);
}

TEST_F(PreparedStageModeTest, AFailedSaveIsToldOnceAndTheBestIsWrittenLater) {
  store.failing.insert(kFolder + "BEST1.txt");
  game.StartPreparedStages();
  Play("QSM");
  ASSERT_EQ(screen.messages.size(), 1u);
  EXPECT_NE(screen.messages[0].second.find(kFolder + "BEST1.txt"), std::string::npos);
  EXPECT_NE(screen.messages[0].second.find("容量不足"), std::string::npos);
  EXPECT_EQ(tables().bestMoves[1], 3);
  EXPECT_EQ(File("BEST1.txt"), "");

  store.failing.clear();
  game.Label8_Click(1);
  game.StartPreparedStages();
  game.Label8_Click(1);
  Play("S");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(File("BEST1.txt"), "3\r\n3\r\n\"QSM\"\r\n1\r\n\"S\"\r\n0\r\n\"\"\r\n");
}

TEST(PreparedStageModeEdges, OneStageReloadsItselfFromEitherLabel) {
  RecordingScreen screen;
  ScriptedRandom random;
  MemoryFileStore store;
  store.files[kFolder + "MENDATA1.txt"] = StageFileText({StageSolvedByS()});
  Kelvora game(screen, random, store, "/games/kelvora");
  game.Form_Load();
  game.StartPreparedStages();
  game.Label2_Click(0);
  game.Label8_Click(0);
  EXPECT_EQ(game.State().stageNumber, 1);
  EXPECT_EQ(game.State().board.Field(), StageSolvedByS());
  EXPECT_EQ(game.State().moveCount, 0);
  game.Label2_Click(0);
  game.Label8_Click(1);
  EXPECT_EQ(game.State().board.Field(), StageSolvedByS());
}

TEST(PreparedStageModeEdges, AStageThatIsAlreadySolvedCompletesAtOnceAndCountsAsNoRecord) {
  RecordingScreen screen;
  ScriptedRandom random;
  MemoryFileStore store;
  store.files[kFolder + "MENDATA1.txt"] = StageFileText({GoalPattern(), StageSolvedByS()});
  Kelvora game(screen, random, store, "/games/kelvora");
  game.Form_Load();
  game.StartPreparedStages();
  EXPECT_EQ(screen.Caption(ScreenLabel::Label11), "Congratulations!");
  EXPECT_EQ(game.State().gameActive, 0);
  EXPECT_EQ(game.Tables().bestMoves[1], 0);
  EXPECT_EQ(store.files[kFolder + "BEST1.txt"], "2\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
}

TEST(PreparedStageModeEdges, WithNoStagesTheStartSaysSoAndChangesNothing) {
  RecordingScreen screen;
  ScriptedRandom random;
  MemoryFileStore store;
  store.files[kFolder + "MENDATA1.txt"] = "0\r\n";
  Kelvora game(screen, random, store, "/games/kelvora");
  game.Form_Load();
  screen.log.clear();
  game.StartPreparedStages();
  game.Label8_Click(1);
  EXPECT_EQ(screen.log, std::vector<std::string>{"message KELVORA"});
  EXPECT_EQ(game.State().gameActive, 0);
  EXPECT_EQ(game.State().gameMode, 0);
  EXPECT_EQ(game.State().board.Field(), GoalPattern());
}

}  // namespace
}  // namespace kelvora::testing
