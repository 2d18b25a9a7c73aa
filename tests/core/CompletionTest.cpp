// The solving move: counted and lettered, announced, handed to the records, then the board rests.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

// One slide from the goal: the 10 sits in the top right cell, the blank below it.
StageGrid OneSlideFromGoal() {
  return RowsToGrid({1, 4, 7, 10, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12});
}

// Notes what the record keeping saw when it ran.
struct SnoopingHooks : CountingHooks {
  explicit SnoopingHooks(GameState& observed) : state(observed) {}
  void UpdatePreparedBest() override {
    ++prepared;
    Snoop();
  }
  void RecordRandomStage() override {
    ++random;
    Snoop();
  }
  void Snoop() {
    seenMoves = state.moveCount;
    seenHistory = state.moveHistory;
    seenActive = state.gameActive;
  }
  GameState& state;
  int seenMoves = -1;
  std::string seenHistory;
  int seenActive = -1;
};

class CompletionTest : public CoreFixture {
 protected:
  CompletionTest() : snoop(state()) { game.SetModeHooks(&snoop); }
  SnoopingHooks snoop;
};

TEST_F(CompletionTest, TheSolvingMoveIsCountedAndLetteredBeforeTheRecords) {
  Play(OneSlideFromGoal());
  state().gameMode = 1;
  state().moveCount = 6;
  state().moveHistory = "QSQSQS";
  game.Image1_Click(12);
  EXPECT_EQ(snoop.prepared, 1);
  EXPECT_EQ(snoop.random, 0);
  EXPECT_EQ(snoop.seenMoves, 7);
  EXPECT_EQ(snoop.seenHistory, "QSQSQSM");
  EXPECT_EQ(snoop.seenActive, 1);
}

TEST_F(CompletionTest, AnnouncesWithTwoBeepsAfterShowingSixteen) {
  Play(OneSlideFromGoal());
  state().gameMode = 2;
  screen.log.clear();
  game.Image1_Click(12);
  const auto at = [&](const std::string& entry) {
    return std::find(screen.log.begin(), screen.log.end(), entry) - screen.log.begin();
  };
  EXPECT_LT(at("caption Label4=16"), at("caption Label11=Congratulations!"));
  EXPECT_LT(at("show Label11"), at("beep"));
  EXPECT_EQ(screen.beeps, 2);
  EXPECT_EQ(snoop.random, 1);
  EXPECT_EQ(snoop.prepared, 0);
}

TEST_F(CompletionTest, LeavesTheSolvedGameOnScreenAndTheBoardInert) {
  Play(OneSlideFromGoal());
  state().gameMode = 1;
  state().moveCount = 4;
  game.Image1_Click(12);
  EXPECT_EQ(state().moveCount, 0);
  EXPECT_EQ(state().gameActive, 0);
  EXPECT_TRUE(state().moveHistory.empty());
  EXPECT_EQ(state().board.Field(), GoalPattern());
  EXPECT_TRUE(screen.ShowsBoard(state().board));
  EXPECT_EQ(screen.Caption(ScreenLabel::Label6), "5");
  EXPECT_EQ(screen.Caption(ScreenLabel::Label4), "16");
  EXPECT_EQ(state().gameMode, 1);

  screen.log.clear();
  game.Image1_Click(13);
  game.Image1_Click(8);
  game.Label2_Click(0);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(state().board.Field(), GoalPattern());
}

TEST_F(CompletionTest, AStageAlreadySolvedCompletesWithNoMoves) {
  Play(GoalPattern());
  state().gameMode = 2;
  game.Books().CheckMatches();
  EXPECT_EQ(snoop.random, 1);
  EXPECT_EQ(snoop.seenMoves, 0);
  EXPECT_EQ(screen.beeps, 2);
  EXPECT_EQ(state().gameActive, 0);
}

TEST_F(CompletionTest, NoGameModeKeepsNoRecords) {
  Play(OneSlideFromGoal());
  game.Image1_Click(12);
  EXPECT_EQ(snoop.prepared + snoop.random, 0);
  EXPECT_EQ(screen.Caption(ScreenLabel::Label11), "Congratulations!");
}

}  // namespace
}  // namespace kelvora::testing
