// The puzzle at start-up, at the start of games and stages, and at each click, as shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/PuzzleFixture.h"

namespace kelvora::testing {
namespace {

class PuzzleTest : public PuzzleFixture {
 protected:
  // The picture changes logged since the last clear, in order.
  std::vector<std::string> Pictures() const {
    std::vector<std::string> pictures;
    for (const std::string& entry : screen.log) {
      if (entry.starts_with("picture ")) pictures.push_back(entry);
    }
    return pictures;
  }
};

TEST_F(PuzzleTest, StartUpDrawsTheGoalAloneAndTheBoardIgnoresEveryClick) {
  EXPECT_EQ(puzzle.Board(), Position::Goal());
  EXPECT_TRUE(screen.Shows(Position::Goal()));
  for (bool shown : screen.tileShown) EXPECT_TRUE(shown);
  // No count, no match count, no message: nothing but the tiles.
  EXPECT_TRUE(screen.captions.empty());
  EXPECT_TRUE(screen.shown.empty());
  EXPECT_FALSE(puzzle.TakesMoves());

  screen.log.clear();
  for (int index = 0; index < Move::kKinds; ++index) {
    EXPECT_EQ(Play(Move::FromIndex(index)).kind, MoveOutcome::Kind::kRefused);
  }
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(puzzle.Board(), Position::Goal());
  EXPECT_EQ(puzzle.MoveCount(), 0);
  EXPECT_TRUE(puzzle.History().empty());
}

TEST_F(PuzzleTest, AGameShowsACountOfZeroThenItsStageDrawnAndItsMatchesCounted) {
  screen.log.clear();
  puzzle.BeginGame();
  EXPECT_TRUE(puzzle.TakesMoves());
  EXPECT_EQ(screen.log, (std::vector<std::string>{"caption moves=0", "show moves"}));

  screen.log.clear();
  EXPECT_EQ(puzzle.ShowStage(StageSolvedByT()).kind, MoveOutcome::Kind::kMoved);
  EXPECT_EQ(puzzle.Board(), StageSolvedByT());
  EXPECT_TRUE(screen.Shows(StageSolvedByT()));
  EXPECT_EQ(Pictures().size(), static_cast<std::size_t>(kCellCount));
  const std::vector<std::string> last(screen.log.end() - 2, screen.log.end());
  EXPECT_EQ(last, (std::vector<std::string>{"caption matches=12", "show matches"}));
  EXPECT_EQ(puzzle.MatchCount(), 12);
  EXPECT_TRUE(solves.empty());
}

TEST_F(PuzzleTest, ANewStageStartsCountAndHistoryAfreshSoItsSolveHoldsOnlyItsOwnMoves) {
  PlayFrom(StageSolvedByM());
  Play("QS");
  puzzle.BeginStage();
  EXPECT_EQ(puzzle.MoveCount(), 0);
  EXPECT_TRUE(puzzle.History().empty());
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "0");
  EXPECT_TRUE(puzzle.TakesMoves());

  EXPECT_EQ(puzzle.ShowStage(StageSolvedByM()).kind, MoveOutcome::Kind::kMoved);
  Play("M");
  ASSERT_EQ(solves.size(), 1u);
  EXPECT_EQ(solves[0].moves, 1);
  EXPECT_EQ(solves[0].history, "M");
}

TEST_F(PuzzleTest, AMoveRepaintsItsCellsThenShowsTheCountThenTheMatches) {
  // The blank in (2, 4) under a 5, the 6 in the blank's goal cell: 14 matches.
  PlayFrom(FromRows({1, 4, 7, 6, 2, 5, 8, 10, 2, 5, 8, 11, 3, 13, 9, 12}));
  screen.log.clear();
  const MoveOutcome outcome = Play(*Move::FromLetter('G'));
  EXPECT_EQ(outcome.kind, MoveOutcome::Kind::kMoved);
  EXPECT_FALSE(outcome.solve.has_value());
  EXPECT_EQ(screen.log,
            (std::vector<std::string>{"picture 7=5", "picture 6=13", "caption moves=1",
                                      "show moves", "caption matches=13", "show matches"}));
  Play("T");
  EXPECT_EQ(puzzle.History(), "GT");
  EXPECT_EQ(screen.Caption(StatusLabel::kMoveCount), "2");
  EXPECT_EQ(screen.Caption(StatusLabel::kMatchCount), "10");
  EXPECT_TRUE(screen.Shows(puzzle.Board()));
}

TEST_F(PuzzleTest, SlidesRepaintTheBlanksCellFirstAndTurnsTheWrappedTileLast) {
  struct Case {
    Position start;
    char letter;
    std::vector<std::string> pictures;
  };
  const std::vector<Case> cases = {
      {StageSolvedByM(), 'O', {"picture 13=11", "picture 14=13"}},      // up
      {BlankAtBottomRight(), 'O', {"picture 15=12", "picture 14=13"}},  // down
      // Row 1 is 1 4 7 10 and row 4 is 3 6 9 12 in both.
      {StageSolvedByM(), 'Q', {"picture 4=1", "picture 8=4", "picture 12=7", "picture 0=10"}},
      {StageSolvedByM(), 'R', {"picture 7=3", "picture 11=6", "picture 15=9", "picture 3=12"}},
      {StageSolvedByM(), 'S', {"picture 0=4", "picture 4=7", "picture 8=10", "picture 12=1"}},
      {StageSolvedByM(), 'T', {"picture 3=6", "picture 7=9", "picture 11=12", "picture 15=3"}},
  };
  for (const Case& c : cases) {
    PlayFrom(c.start);
    screen.log.clear();
    Play(std::string(1, c.letter));
    EXPECT_EQ(Pictures(), c.pictures) << c.letter;
    EXPECT_TRUE(screen.Shows(puzzle.Board())) << c.letter;
  }
}

TEST_F(PuzzleTest, ARefusedSlideBeepsOnceAndChangesNothingElse) {
  PlayFrom(StageSolvedByT());  // the blank at the top of column 4, as in the goal
  Play("QS");
  // I: left of the blank; M: the blank; A: row 1, a tile below; D: row 4, a tile above;
  // P: two cells below the blank.
  for (char letter : {'I', 'M', 'A', 'D', 'P'}) {
    screen.log.clear();
    EXPECT_EQ(Play(*Move::FromLetter(letter)).kind, MoveOutcome::Kind::kRefused) << letter;
    EXPECT_EQ(screen.log, std::vector<std::string>{"beep"}) << letter;
    EXPECT_EQ(puzzle.Board(), StageSolvedByT()) << letter;
    EXPECT_EQ(puzzle.MoveCount(), 2);
    EXPECT_EQ(puzzle.History(), "QS");
  }
  EXPECT_TRUE(puzzle.TakesMoves());
}

}  // namespace
}  // namespace kelvora::testing
