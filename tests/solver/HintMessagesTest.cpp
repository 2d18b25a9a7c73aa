// Tests of the bytes between the window and the page's hint worker: what goes out comes back
// the same, and bytes that are no message are refused rather than read as one.
#include <gtest/gtest.h>

#include <vector>

#include "core/Move.h"
#include "core/Position.h"
#include "solver/HintMessages.h"

namespace kelvora::testing {
namespace {

using solver::WorkerReply;

TEST(HintMessages, QuestionsAndRepliesComeBackAsSent) {
  Position position = Position::Goal();
  position.Swap({1, 1}, {4, 4});
  const auto question = solver::EncodeQuestion(position);
  EXPECT_EQ(solver::DecodeQuestion(question), position);

  const auto answer = solver::DecodeReply(
      solver::EncodeReply({WorkerReply::Kind::kAnswered, 0, solver::Hint{Move::kKinds - 1, 200}}));
  ASSERT_TRUE(answer && answer->hint);
  EXPECT_EQ(answer->kind, WorkerReply::Kind::kAnswered);
  EXPECT_EQ(answer->hint->move, Move::kKinds - 1);
  EXPECT_EQ(answer->hint->movesLeft, 200);

  // At the goal the answer is no hint at all, not a hint of move 0.
  const auto atGoal =
      solver::DecodeReply(solver::EncodeReply({WorkerReply::Kind::kAnswered, 0, std::nullopt}));
  ASSERT_TRUE(atGoal);
  EXPECT_EQ(atGoal->kind, WorkerReply::Kind::kAnswered);
  EXPECT_FALSE(atGoal->hint);

  for (const double sent : {0.0, 0.4567, 1.0}) {
    const auto progress =
        solver::DecodeReply(solver::EncodeReply({WorkerReply::Kind::kProgress, sent, {}}));
    ASSERT_TRUE(progress);
    EXPECT_EQ(progress->kind, WorkerReply::Kind::kProgress);
    EXPECT_NEAR(progress->progress, sent, 0.001);
  }
  // A builder that overshoots still says "done", never more.
  EXPECT_EQ(
      solver::DecodeReply(solver::EncodeReply({WorkerReply::Kind::kProgress, 1.7, {}}))->progress,
      1.0);
  EXPECT_EQ(solver::DecodeReply(solver::EncodeReply({}))->kind, WorkerReply::Kind::kFailed);
}

TEST(HintMessages, RefusesBytesThatAreNoMessage) {
  const auto question = solver::EncodeQuestion(Position::Goal());
  EXPECT_FALSE(solver::DecodeQuestion(std::span(question).first(question.size() - 1)));
  auto badCode = question;
  badCode[3] = 14;
  EXPECT_FALSE(solver::DecodeQuestion(badCode));

  const auto answer = solver::EncodeReply({WorkerReply::Kind::kAnswered, 0, solver::Hint{0, 1}});
  EXPECT_FALSE(solver::DecodeReply(std::span(answer).first(answer.size() - 1)));
  auto unknownKind = answer;
  unknownKind[0] = 3;
  EXPECT_FALSE(solver::DecodeReply(unknownKind));
  auto noSuchMove = answer;
  noSuchMove[2] = Move::kKinds;
  EXPECT_FALSE(solver::DecodeReply(noSuchMove));
  auto noMovesLeft = answer;
  noMovesLeft[3] = 0;
  EXPECT_FALSE(solver::DecodeReply(noMovesLeft));
  auto pastDone = solver::EncodeReply({WorkerReply::Kind::kProgress, 1.0, {}});
  pastDone[5] += 1;
  EXPECT_FALSE(solver::DecodeReply(pastDone));
}

}  // namespace
}  // namespace kelvora::testing
