// Thousands of random clicks: the screen and the history never drift from the board.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/HistoryReplay.h"
#include "core/Rules.h"
#include "tests/support/PuzzleFixture.h"

namespace kelvora::testing {
namespace {

using RandomPlayTest = PuzzleFixture;

TEST_F(RandomPlayTest, ScreenAndRecordsStayTrueToTheBoardThroughThousandsOfClicks) {
  std::mt19937 rng(20261207);
  // One to three legal moves from the goal, so that solves by chance happen and every history
  // can be replayed from the start; a stage left unsolved is dropped after a while, as a new
  // game drops it, so that play keeps coming back near the goal.
  Position start;
  int stageEnds = 0;
  const auto beginStage = [&](int click) {
    do {
      start = Position::Goal();
      for (int move = 0, moves = 1 + static_cast<int>(rng() % 3); move < moves; ++move) {
        start =
            Apply(start, Move::FromIndex(static_cast<int>(rng() % Move::kKinds))).value_or(start);
      }
    } while (start.IsGoal());
    PlayFrom(start);
    stageEnds = click + 250;
  };
  beginStage(0);
  int accepted = 0;

  for (int click = 0; click < 20000; ++click) {
    if (click == stageEnds) beginStage(click);
    const Position before = puzzle.Board();
    const int count = puzzle.MoveCount();
    const int beeps = screen.beeps;
    const bool arrow = rng() % 5 == 0;
    const Move move = arrow ? Move::ArrowClick(static_cast<int>(rng() % kArrowCount))
                            : Move::TileClick(static_cast<int>(rng() % kCellCount));
    const MoveOutcome outcome = Play(move);

    if (outcome.kind == MoveOutcome::Kind::kSolved) {
      // Solved by chance: the solve replays from the start, and the board rests on the goal.
      ASSERT_EQ(solves.back().moves, count + 1) << "click " << click;
      const ReplayResult replay = ReplayHistory(start, solves.back().history);
      ASSERT_TRUE(replay.solved) << "click " << click << ": " << replay.status.English();
      ASSERT_TRUE(screen.Shows(Position::Goal())) << "click " << click;
      ASSERT_FALSE(puzzle.TakesMoves()) << "click " << click;
      beginStage(click + 1);
      continue;
    }
    const bool moved = puzzle.MoveCount() == count + 1;
    ASSERT_EQ(outcome.kind, moved ? MoveOutcome::Kind::kMoved : MoveOutcome::Kind::kRefused)
        << "click " << click;
    ASSERT_TRUE(moved ? screen.beeps == beeps : !arrow && screen.beeps == beeps + 1)
        << "click " << click << " " << move.Letter();
    if (!moved) {
      ASSERT_EQ(puzzle.Board(), before) << "click " << click;
    }
    accepted += moved ? 1 : 0;

    const Position& board = puzzle.Board();
    ASSERT_TRUE(board.HoldsTheGoalsTiles()) << "click " << click;
    ASSERT_TRUE(screen.Shows(board)) << "click " << click;
    ASSERT_EQ(puzzle.History().size(), static_cast<std::size_t>(puzzle.MoveCount()));
    ASSERT_EQ(screen.Caption(StatusLabel::kMoveCount), std::to_string(puzzle.MoveCount()));
    ASSERT_EQ(puzzle.MatchCount(), board.MatchesWithGoal());
    ASSERT_EQ(screen.Caption(StatusLabel::kMatchCount), std::to_string(board.MatchesWithGoal()));

    if (click % 997 == 0) {
      const ReplayResult replay = ReplayHistory(start, puzzle.History());
      ASSERT_TRUE(replay.playable) << replay.status.English();
      ASSERT_EQ(replay.position, board) << "click " << click;
    }
    screen.log.clear();
  }
  const ReplayResult replay = ReplayHistory(start, puzzle.History());
  EXPECT_EQ(replay.position, puzzle.Board());
  EXPECT_GT(accepted, 5000);
  EXPECT_FALSE(solves.empty()) << "no solve by chance: the completion went untried";
  RecordProperty("solves", static_cast<int>(solves.size()));
}

}  // namespace
}  // namespace kelvora::testing
