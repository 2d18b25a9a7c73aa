// Thousands of random clicks: the position stays a legal one and the screen never drifts from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/HistoryReplay.h"
#include "core/TileCodes.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

std::vector<int> SortedCodes(const Board& board) {
  std::vector<int> codes;
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) codes.push_back(board.At(column, row));
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

bool RingEmpty(const Board& board) {
  for (int i = 0; i < Board::kSize; ++i) {
    if (board.At(i, 0) != kEmptyCell || board.At(i, 5) != kEmptyCell ||
        board.At(0, i) != kEmptyCell || board.At(5, i) != kEmptyCell) {
      return false;
    }
  }
  return true;
}

using RandomPlayTest = CoreFixture;

TEST_F(RandomPlayTest, RandomClicksKeepTheInvariantsAndReplayExactly) {
  std::mt19937 rng(20261207);
  Board goalBoard;
  goalBoard.SetField(GoalPattern());
  const std::vector<int> goalCodes = SortedCodes(goalBoard);

  // Scramble by legal moves so that the game starts somewhere the history can be replayed from.
  auto startNewGame = [&]() {
    Play(GoalPattern());
    game.Label2_Click(0);
    game.Label2_Click(1);
    state().moveCount = 0;
    state().moveHistory.clear();
    return state().board.Field();
  };
  StageGrid start = startNewGame();
  int games = 1;
  int accepted = 0;

  for (int click = 0; click < 20000; ++click) {
    const int beepsBefore = screen.beeps;
    const int movesBefore = state().moveCount;
    const bool arrow = rng() % 5 == 0;
    if (arrow) {
      game.Label2_Click(static_cast<std::int16_t>(rng() % 4));
    } else {
      game.Image1_Click(static_cast<std::int16_t>(rng() % 16));
    }
    if (state().gameActive == 0) {  // solved by chance: start again
      start = startNewGame();
      ++games;
      continue;
    }
    const bool moved = state().moveCount == movesBefore + 1;
    ASSERT_TRUE(moved || (!arrow && screen.beeps == beepsBefore + 1)) << "click " << click;
    accepted += moved ? 1 : 0;

    const Board& board = state().board;
    ASSERT_EQ(SortedCodes(board), goalCodes) << "click " << click;
    ASSERT_TRUE(RingEmpty(board)) << "click " << click;
    ASSERT_TRUE(screen.ShowsBoard(board)) << "click " << click;
    ASSERT_EQ(state().moveHistory.size(), static_cast<std::size_t>(state().moveCount));

    if (click % 997 == 0) {
      ReplayResult replay = ReplayHistory(start, state().moveHistory);
      ASSERT_TRUE(replay.playable) << replay.problem;
      ASSERT_EQ(replay.position, board.Field()) << "click " << click;
    }
  }
  ReplayResult replay = ReplayHistory(start, state().moveHistory);
  EXPECT_EQ(replay.position, state().board.Field());
  EXPECT_GT(accepted, 5000);
  RecordProperty("games", games);
}

}  // namespace
}  // namespace kelvora::testing
