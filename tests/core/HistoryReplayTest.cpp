// Replaying stored histories: a solve is recognised, every failure named with where it stopped.
#include <gtest/gtest.h>

#include "core/HistoryReplay.h"
#include "tests/support/Positions.h"

namespace kelvora::testing {
namespace {

// From the goal: tile N (the 10 slides up), then arrow Q (row 1 right); undone by "SM".
Position TwoMovesFromGoal() {
  return FromRows({10, 1, 4, 7, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12});
}

TEST(HistoryReplay, RecognisesASolveOfExactlyItsLength) {
  const ReplayResult result = ReplayHistory(TwoMovesFromGoal(), "SM");
  EXPECT_TRUE(result.solved) << result.status.English();
  EXPECT_TRUE(result.playable);
  EXPECT_TRUE(result.status.ok());
  EXPECT_EQ(result.movesPlayed, 2);
  EXPECT_EQ(result.position, Position::Goal());
}

TEST(HistoryReplay, NamesEveryWayAHistoryFailsAndWhereItStopped) {
  struct Case {
    const char* history;
    bool playable;
    int moves;
    Position reached;
    const char* problem;
  };
  // After "S" the 10 is back above the blank: StageSolvedByM.
  for (const Case& c : {
           Case{"", true, 0, TwoMovesFromGoal(), "not solved after 0 moves"},
           Case{"S", true, 1, StageSolvedByM(), "not solved after 1 move"},
           Case{"SMQS", true, 2, Position::Goal(), "solved after 2 of 4 moves"},
           Case{"SA", false, 1, StageSolvedByM(), "move 2 ('A') slides a tile"},
           Case{"Sx", false, 1, StageSolvedByM(), "move 2 is 'x', not a move letter"},
       }) {
    const ReplayResult result = ReplayHistory(TwoMovesFromGoal(), c.history);
    EXPECT_FALSE(result.solved) << c.history;
    EXPECT_EQ(result.playable, c.playable) << c.history;
    EXPECT_EQ(result.movesPlayed, c.moves) << c.history;
    EXPECT_EQ(result.position, c.reached) << c.history;
    EXPECT_EQ(result.status.code(), Status::Code::kDamaged) << c.history;
    EXPECT_NE(result.status.English().find(c.problem), std::string::npos)
        << result.status.English();
  }
}

TEST(HistoryReplay, ASolvedStartIsSolvedOnlyByTheEmptyHistory) {
  EXPECT_TRUE(ReplayHistory(Position::Goal(), "").solved);
  const ReplayResult result = ReplayHistory(Position::Goal(), "QS");
  EXPECT_FALSE(result.solved);
  EXPECT_TRUE(result.playable);
  EXPECT_EQ(result.movesPlayed, 0);
  EXPECT_EQ(result.status.code(), Status::Code::kDamaged);
  EXPECT_NE(result.status.English().find("solved before the first move"), std::string::npos)
      << result.status.English();
}

}  // namespace
}  // namespace kelvora::testing
