// Replaying stored histories: a solve is recognised, and every way a history can be wrong is named.
#include <gtest/gtest.h>

#include "core/Goal.h"
#include "core/HistoryReplay.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

// From the goal: tile N (the 10 slides up), then arrow Q (row 1 right); undone by "SM".
StageGrid TwoMovesFromGoal() {
  return RowsToGrid({10, 1, 4, 7, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12});
}

TEST(HistoryReplay, RecognisesASolveInExactlyItsLength) {
  ReplayResult result = ReplayHistory(TwoMovesFromGoal(), "SM");
  EXPECT_TRUE(result.solved) << result.problem;
  EXPECT_EQ(result.movesPlayed, 2);
  EXPECT_EQ(result.position, GoalPattern());
}

TEST(HistoryReplay, NamesEveryWayAHistoryFails) {
  struct Case {
    const char* history;
    bool playable;
    int moves;
    const char* problem;
  };
  for (const Case& c : {
           Case{"S", true, 1, "not solved after 1 move"},
           Case{"SMQS", true, 2, "solved after 2 of 4 moves"},
           Case{"SA", false, 1, "move 2 ('A') slides a tile"},
           Case{"Sx", false, 0, "move 2 is 'x', not a move letter"},
       }) {
    ReplayResult result = ReplayHistory(TwoMovesFromGoal(), c.history);
    EXPECT_FALSE(result.solved) << c.history;
    EXPECT_EQ(result.playable, c.playable) << c.history;
    EXPECT_NE(result.problem.find(c.problem), std::string::npos) << result.problem;
    if (c.playable) {
      EXPECT_EQ(result.movesPlayed, c.moves) << c.history;
    }
  }
}

TEST(HistoryReplay, ASolvedStartIsSolvedOnlyByTheEmptyHistory) {
  EXPECT_TRUE(ReplayHistory(GoalPattern(), "").solved);
  ReplayResult result = ReplayHistory(GoalPattern(), "Q");
  EXPECT_FALSE(result.solved);
  EXPECT_FALSE(result.problem.empty());
}

}  // namespace
}  // namespace kelvora::testing
