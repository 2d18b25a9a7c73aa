// The solving move: shown, counted, announced, reported with its letters; then the board rests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/PuzzleFixture.h"

namespace kelvora::testing {
namespace {

using CompletionTest = PuzzleFixture;

TEST(CompletionOrder, SixteenMatchesShowThenTheAnnouncementAndTwoBeepsThenTheSolveIsHandedBack) {
  RecordingScreen screen;
  Puzzle puzzle(screen);
  puzzle.ShowGoalAtStartUp();
  puzzle.BeginGame();
  ASSERT_EQ(puzzle.ShowStage(StageSolvedByM()).kind, MoveOutcome::Kind::kMoved);
  screen.log.clear();
  const MoveOutcome outcome = puzzle.Play(*Move::FromLetter('M'));
  // Only the slide's two pictures: the board already shows the goal, and is not redrawn. All
  // of it happens before the records can see the solve.
  EXPECT_EQ(screen.log,
            (std::vector<std::string>{"picture 13=10", "picture 12=13", "caption moves=1",
                                      "show moves", "caption matches=16", "show matches",
                                      "caption completion=Congratulations!", "show completion",
                                      "beep", "beep"}));
  ASSERT_EQ(outcome.kind, MoveOutcome::Kind::kSolved);
  ASSERT_TRUE(outcome.solve.has_value());
  EXPECT_EQ(outcome.solve->moves, 1);
  EXPECT_EQ(outcome.solve->history, "M");
}

TEST_F(CompletionTest, ReportsTheSolveWithTheSolvingMoveCountedAndLettered) {
  PlayFrom(StageSolvedByM());
  Play("QSQSQS");
  EXPECT_TRUE(solves.empty());
  Play("M");
  ASSERT_EQ(solves.size(), 1u);
  EXPECT_EQ(solves[0].moves, 7);
  EXPECT_EQ(solves[0].history, "QSQSQSM");
}

TEST_F(CompletionTest, LeavesTheGoalShownAndTheBoardInertWithCountAndHistoryReset) {
  PlayFrom(StageSolvedByM());
  Play("QSQSM");
  EXPECT_FALSE(puzzle.TakesMoves());
  EXPECT_EQ(puzzle.MoveCount(), 0);
  EXPECT_TRUE(puzzle.History().empty());
  EXPECT_EQ(puzzle.Board(), Position::Goal());
  EXPECT_TRUE(screen.Shows(Position::Goal()));
  // The player still sees the count of the solve and the full match.
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "5");
  EXPECT_EQ(screen.Caption(StatusLabel::kMatchCount), "16");
  EXPECT_TRUE(screen.Shown(StatusLabel::kCompletion));

  screen.log.clear();
  for (int index = 0; index < Move::kKinds; ++index) {
    EXPECT_EQ(Play(Move::FromIndex(index)).kind, MoveOutcome::Kind::kRefused);
  }
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(puzzle.Board(), Position::Goal());
  EXPECT_EQ(solves.size(), 1u);
}

TEST_F(CompletionTest, AStageThatStartsSolvedCompletesAtOnceWithNoMoves) {
  PlayFrom(Position::Goal());
  ASSERT_EQ(solves.size(), 1u);
  EXPECT_EQ(solves[0].moves, 0);
  EXPECT_TRUE(solves[0].history.empty());
  EXPECT_EQ(screen.beeps, 2);
  EXPECT_TRUE(screen.Shown(StatusLabel::kCompletion));
  EXPECT_FALSE(puzzle.TakesMoves());
}

TEST_F(CompletionTest, TheNextGameTakesMovesAgainAndReportsOnlyItsOwn) {
  PlayFrom(StageSolvedByM());
  Play("QSM");
  PlayFrom(StageSolvedByT());
  EXPECT_TRUE(puzzle.TakesMoves());
  Play("T");
  ASSERT_EQ(solves.size(), 2u);
  EXPECT_EQ(solves[1].moves, 1);
  EXPECT_EQ(solves[1].history, "T");
}

}  // namespace
}  // namespace kelvora::testing
