// Positions: the goal, the cells in their goal place, the tiles a position holds, the blank.
#include <gtest/gtest.h>

#include <array>

#include "core/Position.h"
#include "core/Tiles.h"
#include "tests/support/Positions.h"

namespace kelvora::testing {
namespace {

TEST(Goal, JoinsEachStrandInItsColumnWithTheBlankTopRight) {
  const Position goal = Position::Goal();
  EXPECT_EQ(goal, FromRows({1, 4, 7, 13, 2, 5, 8, 10, 2, 5, 8, 11, 3, 6, 9, 12}));
  EXPECT_EQ(goal.Blank(), (Cell{4, 1}));
  EXPECT_TRUE(goal.IsGoal());
  EXPECT_EQ(goal.MatchesWithGoal(), kCellCount);
}

TEST(FromCodes, ReadsTheCodesInTileIndexOrder) {
  std::array<int, kCellCount> codes{};
  for (int index = 0; index < kCellCount; ++index) codes[index] = index + 1;
  const Position position = Position::FromCodes(codes);
  EXPECT_EQ(position.At({1, 4}), 4);
  EXPECT_EQ(position.At({2, 1}), 5);
  EXPECT_EQ(position.Codes(), codes);
}

TEST(Matches, CompareCodesSoEitherCopyOfATwinTileMatches) {
  Position twoAndFiveSwapped = Position::Goal();
  twoAndFiveSwapped.Swap({1, 2}, {2, 3});
  EXPECT_EQ(twoAndFiveSwapped.MatchesWithGoal(), 14);
  EXPECT_FALSE(twoAndFiveSwapped.IsGoal());

  Position twinsSwapped = Position::Goal();
  twinsSwapped.Swap({1, 2}, {1, 3});
  twinsSwapped.Swap({3, 2}, {3, 3});
  EXPECT_EQ(twinsSwapped.MatchesWithGoal(), kCellCount);
  EXPECT_TRUE(twinsSwapped.IsGoal());

  EXPECT_EQ(StageSolvedByT().MatchesWithGoal(), 12);
  EXPECT_EQ(Position().MatchesWithGoal(), 0);
}

TEST(HoldsTheGoalsTiles, AcceptsAnyArrangementOfTheSixteenTilesAndNothingElse) {
  EXPECT_TRUE(Position::Goal().HoldsTheGoalsTiles());
  Position shuffled = Position::Goal();
  shuffled.Swap({1, 1}, {4, 4});
  shuffled.Swap({4, 1}, {2, 3});
  EXPECT_TRUE(shuffled.HoldsTheGoalsTiles());

  const auto withCode = [](Cell cell, int code) {
    Position position = Position::Goal();
    position.Set(cell, code);
    return position;
  };
  EXPECT_FALSE(withCode({1, 2}, 5).HoldsTheGoalsTiles());       // a third 5, one 2
  EXPECT_FALSE(withCode({1, 1}, kBlank).HoldsTheGoalsTiles());  // two blanks, no 1
  EXPECT_FALSE(withCode({4, 1}, 1).HoldsTheGoalsTiles());       // no blank, two 1s
  EXPECT_FALSE(withCode({4, 1}, 0).HoldsTheGoalsTiles());
  EXPECT_FALSE(withCode({4, 1}, kLastTileCode + 1).HoldsTheGoalsTiles());
  EXPECT_FALSE(Position().HoldsTheGoalsTiles());
}

TEST(Blank, IsFoundWhereverItIsAndMissingWhenThereIsNone) {
  EXPECT_EQ(BlankAtBottomRight().Blank(), (Cell{4, 4}));
  Position blankBottomLeft = Position::Goal();
  blankBottomLeft.Swap({4, 1}, {1, 4});
  EXPECT_EQ(blankBottomLeft.Blank(), (Cell{1, 4}));
  blankBottomLeft.Set({1, 4}, 3);
  EXPECT_FALSE(blankBottomLeft.Blank().has_value());
}

}  // namespace
}  // namespace kelvora::testing
