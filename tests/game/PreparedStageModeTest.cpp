// Prepared stages: the start, stepping round both ends, and keeping each stage's best.
#include <gtest/gtest.h>

#include "tests/support/GameFixture.h"
#include "text/GameText.h"

namespace kelvora::testing {
namespace {

class PreparedStageModeTest : public GameFixture {
 protected:
  void SetUp() override { Load({StageSolvedByM(), StageSolvedByS(), StageSolvedByT()}); }
  // Starts the game again on this record file for the three stages.
  void StartWithBests(const std::string& best1) {
    store.files[kFolder + "BEST1.txt"] = best1;
    EXPECT_TRUE(game.Start().ok());
  }
  const PreparedStage& Stage(int number) { return game.View().records.prepared.at(number - 1); }
};

TEST_F(PreparedStageModeTest, StartsAtStageOneWithItsCaptionNavigationAndBest) {
  StartWithBests("3\r\n5\r\n\"QSQSM\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  screen.log.clear();
  game.StartPreparedStages();
  const GameView view = game.View();
  EXPECT_TRUE(view.takesMoves);
  EXPECT_NE(dynamic_cast<const PreparedStageMode*>(view.mode), nullptr);
  EXPECT_EQ(view.preparedStage, 1);
  EXPECT_EQ(view.board, StageSolvedByM());
  EXPECT_TRUE(screen.Shows(view.board));
  EXPECT_EQ(screen.Caption(StatusLabel::kStageCaption), "第 1面");
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "0");
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "5");
  EXPECT_EQ(screen.Caption(StatusLabel::kMatchCount), "14");
  for (StatusLabel label : {StatusLabel::kStageCaption, StatusLabel::kBack, StatusLabel::kNext,
                            StatusLabel::kBestHeading, StatusLabel::kBest}) {
    EXPECT_TRUE(screen.Shown(label)) << LabelName(label);
  }
  // The move count reads 0 before the navigation appears, and the caption before the best.
  ASSERT_GE(screen.log.size(), 6u);
  const std::vector<std::string> head(screen.log.begin(), screen.log.begin() + 6);
  EXPECT_EQ(head, (std::vector<std::string>{"caption moves=0", "show moves", "show stage",
                                            "show back", "show next", "caption stage=第 1面"}));
}

TEST_F(PreparedStageModeTest, BackAndNextWrapRoundBothEnds) {
  game.StartPreparedStages();
  game.StepStage(StageStep::kBack);
  EXPECT_EQ(game.View().preparedStage, 3);
  EXPECT_EQ(game.View().board, StageSolvedByT());
  EXPECT_TRUE(screen.Shows(StageSolvedByT()));
  EXPECT_EQ(screen.Caption(StatusLabel::kStageCaption), "第 3面");
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(game.View().preparedStage, 1);
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(game.View().preparedStage, 2);
  EXPECT_EQ(game.View().board, StageSolvedByS());
  EXPECT_TRUE(screen.Shows(StageSolvedByS()));
}

TEST_F(PreparedStageModeTest, SteppingAwayOrStartingAgainPutsTheStageBackAfresh) {
  game.StartPreparedStages();
  Play("QQ");
  game.StepStage(StageStep::kNext);
  game.StepStage(StageStep::kBack);
  EXPECT_EQ(game.View().board, StageSolvedByM());
  EXPECT_EQ(game.View().moveCount, 0);
  EXPECT_EQ(game.View().history, "");
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "0");

  Play("QQ");
  game.StartPreparedStages();
  EXPECT_EQ(game.View().board, StageSolvedByM());
  EXPECT_EQ(game.View().moveCount, 0);
  EXPECT_EQ(game.View().history, "");
}

TEST_F(PreparedStageModeTest, ASolveIsKeptWithOnlyItsOwnMovesAndSavedAtOnce) {
  game.StartPreparedStages();
  Play("QQ");  // abandoned by stepping
  game.StepStage(StageStep::kNext);
  game.StepStage(StageStep::kBack);
  Play("QSM");
  EXPECT_EQ(Stage(1), (PreparedStage{StageSolvedByM(), 3, "QSM"}));
  EXPECT_EQ(File("BEST1.txt"), "3\r\n3\r\n\"QSM\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  // The best beside the board keeps its old figure until the stage is shown again.
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "0");
  game.StartPreparedStages();
  EXPECT_EQ(screen.Caption(StatusLabel::kBest), "3");
}

TEST_F(PreparedStageModeTest, ATieReplacesTheHistoryAndAWorseSolveWritesNothing) {
  StartWithBests("3\r\n3\r\n\"SQM\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  game.StartPreparedStages();
  Play("QSM");
  EXPECT_EQ(Stage(1).bestHistory, "QSM");
  EXPECT_EQ(File("BEST1.txt"), "3\r\n3\r\n\"QSM\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  EXPECT_EQ(store.writes.size(), 1u);

  game.StartPreparedStages();
  Play("QQQQM");
  EXPECT_EQ(Stage(1), (PreparedStage{StageSolvedByM(), 3, "QSM"}));
  EXPECT_EQ(store.writes.size(), 1u);

  game.StartPreparedStages();
  Play("M");
  EXPECT_EQ(Stage(1).bestMoves, 1);
  EXPECT_EQ(store.writes.size(), 2u);
}

TEST_F(PreparedStageModeTest, AfterASolveStagesStillStepButTheBoardIsInertUntilAStart) {
  game.StartPreparedStages();
  Play("M");
  EXPECT_FALSE(game.View().takesMoves);
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(game.View().preparedStage, 2);
  EXPECT_EQ(game.View().board, StageSolvedByS());
  EXPECT_TRUE(screen.Shows(StageSolvedByS()));
  const int beeps = screen.beeps;
  Play("SA");  // the solving turn, and a slide that would be refused with a beep
  EXPECT_EQ(game.View().board, StageSolvedByS());
  EXPECT_EQ(game.View().moveCount, 0);
  EXPECT_EQ(screen.beeps, beeps);
  EXPECT_EQ(Stage(2).bestMoves, 0);

  game.StartPreparedStages();
  EXPECT_EQ(game.View().preparedStage, 1);
  EXPECT_TRUE(game.View().takesMoves);
}

TEST_F(PreparedStageModeTest, AFailedSaveIsToldOnceAndTheBestIsWrittenByTheNextSave) {
  store.failing.insert(kFolder + "BEST1.txt");
  game.StartPreparedStages();
  Play("QSM");
  ASSERT_EQ(screen.messages.size(), 1u);
  // The stage is seen and heard solved before the save is told of.
  const std::vector<std::string> last(screen.log.end() - 5, screen.log.end());
  EXPECT_EQ(last, (std::vector<std::string>{"caption completion=Congratulations!",
                                            "show completion", "beep", "beep", "message KELVORA"}));
  EXPECT_NE(screen.messages[0].second.find(kFolder + "BEST1.txt"), std::string::npos);
  EXPECT_NE(screen.messages[0].second.find("容量不足"), std::string::npos);
  EXPECT_EQ(Stage(1).bestMoves, 3);
  EXPECT_EQ(store.files.count(kFolder + "BEST1.txt"), 0u);

  store.failing.clear();
  game.StartPreparedStages();
  game.StepStage(StageStep::kNext);
  Play("S");
  EXPECT_EQ(screen.messages.size(), 1u);
  EXPECT_EQ(File("BEST1.txt"), "3\r\n3\r\n\"QSM\"\r\n1\r\n\"S\"\r\n0\r\n\"\"\r\n");
}

// Stage files of other sizes, and data files the game cannot start with.
class PreparedStageEdges : public GameFixture {};

TEST_F(PreparedStageEdges, OneStagePutsItselfBackFromEitherStep) {
  Load({StageSolvedByS()});
  game.StartPreparedStages();
  for (StageStep step : {StageStep::kBack, StageStep::kNext}) {
    Play("Q");
    game.StepStage(step);
    EXPECT_EQ(game.View().preparedStage, 1);
    EXPECT_EQ(game.View().board, StageSolvedByS());
    EXPECT_EQ(game.View().moveCount, 0);
  }
}

TEST_F(PreparedStageEdges, AStageThatStartsSolvedCompletesAtOnceAndKeepsNoRecord) {
  Load({Position::Goal(), StageSolvedByS()});
  game.StartPreparedStages();
  EXPECT_EQ(screen.Caption(StatusLabel::kCompletion), text::kCongratulations);
  EXPECT_FALSE(game.View().takesMoves);
  EXPECT_EQ(game.View().records.prepared.at(0).bestMoves, 0);
  EXPECT_EQ(File("BEST1.txt"), "2\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
}

TEST_F(PreparedStageEdges, WithNoStagesTheStartSaysSoAndTheGameInProgressGoesOn) {
  Load({});
  screen.log.clear();
  game.StartPreparedStages();
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(screen.log, std::vector<std::string>{"message KELVORA"});
  EXPECT_EQ(screen.messages.at(0).second, text::kNoPreparedStages);
  EXPECT_EQ(game.View().mode, nullptr);
  EXPECT_FALSE(game.View().takesMoves);
  EXPECT_EQ(game.View().board, Position::Goal());

  FixedStageMode fixed(StageSolvedByS());
  game.Begin(fixed);
  game.StartPreparedStages();
  EXPECT_EQ(screen.messages.size(), 2u);
  EXPECT_EQ(game.View().mode, &fixed);
  Play("S");
  EXPECT_EQ(fixed.solves.size(), 1u);
}

TEST_F(PreparedStageEdges, ADamagedDataFileStopsTheStartWithNothingLoadedAndNothingWritten) {
  store.files[kFolder + "BEST1.txt"] = "1\r\n1\r\n\"M\"\r\n";
  store.files[kFolder + "BEST2.txt"] = "0\r\nnone\r\n";
  EXPECT_EQ(TryLoad({StageSolvedByM()}).code(), Status::Code::kDamaged);
  EXPECT_EQ(game.View().records, Records{});
  EXPECT_TRUE(store.attempts.empty());
}

}  // namespace
}  // namespace kelvora::testing
