// Row rotations: the top and bottom rows turn one cell, the blank travelling with them.
#include <gtest/gtest.h>

#include "core/TileCodes.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

class RotationTest : public CoreFixture {
 protected:
  std::array<int, 4> Row(int row) {
    return {state().board.At(1, row), state().board.At(2, row), state().board.At(3, row),
            state().board.At(4, row)};
  }
};

TEST_F(RotationTest, EachArrowTurnsItsRowAndIsLettered) {
  struct Case {
    std::int16_t arrow;
    int row;
    std::array<int, 4> after;
    const char* letter;
  };
  for (const Case& c : {Case{0, 1, {13, 1, 4, 7}, "Q"}, Case{1, 4, {12, 3, 6, 9}, "R"},
                        Case{2, 1, {4, 7, 13, 1}, "S"}, Case{3, 4, {6, 9, 12, 3}, "T"}}) {
    Play(GoalPattern());
    state().moveCount = 0;
    state().moveHistory.clear();
    game.Label2_Click(c.arrow);
    EXPECT_EQ(Row(c.row), c.after) << "arrow " << c.arrow;
    EXPECT_EQ(state().moveHistory, c.letter);
    EXPECT_EQ(state().moveArg, c.row);
    EXPECT_EQ(state().clickIndex, c.arrow);
    EXPECT_EQ(state().lastMoveKind, kRowRotation);
    EXPECT_EQ(state().moveCount, 1);
    EXPECT_TRUE(screen.ShowsBoard(state().board)) << "arrow " << c.arrow;
  }
}

TEST_F(RotationTest, OnlyTheFourTilesOfTheRowAreRedrawn) {
  Play(GoalPattern());
  screen.log.clear();
  game.Label2_Click(1);
  std::vector<std::string> pictures;
  for (const auto& entry : screen.log) {
    if (entry.rfind("picture ", 0) == 0) pictures.push_back(entry);
  }
  // Row 4 right: boxes of columns 2, 3, 4, then column 1 with the tile that wrapped round.
  EXPECT_EQ(pictures, (std::vector<std::string>{"picture 7=3", "picture 11=6", "picture 15=9",
                                                "picture 3=12"}));
}

TEST_F(RotationTest, FourTurnsRestoreTheRowAndCountFourMoves) {
  Play(RowsToGrid({1, 4, 7, 10, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12}));
  for (int i = 0; i < 4; ++i) game.Label2_Click(2);
  EXPECT_EQ(Row(1), (std::array<int, 4>{1, 4, 7, 10}));
  EXPECT_EQ(state().moveCount, 4);
  EXPECT_EQ(state().moveHistory, "SSSS");
  EXPECT_TRUE(screen.ShowsBoard(state().board));
}

TEST_F(RotationTest, IsAcceptedWhereverTheBlankIs) {
  Play(RowsToGrid({1, 4, 7, 10, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12}));
  game.Label2_Click(0);
  EXPECT_EQ(Row(1), (std::array<int, 4>{10, 1, 4, 7}));
  EXPECT_EQ(state().board.At(4, 2), kBlank);
  EXPECT_EQ(screen.beeps, 0);
}

TEST_F(RotationTest, ArrowsOnAnInertBoardDoNothing) {
  Play(GoalPattern());
  state().gameActive = 0;
  screen.log.clear();
  for (std::int16_t arrow = 0; arrow < 4; ++arrow) game.Label2_Click(arrow);
  game.Label2_Click(4);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(state().board.Field(), GoalPattern());
  EXPECT_EQ(state().clickIndex, 0);
}

}  // namespace
}  // namespace kelvora::testing
