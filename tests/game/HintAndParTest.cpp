// A stage the solver helped with is played out but keeps no record; a delivered stage's caption
// knows its par wherever the stage stands in the file.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/GameFixture.h"
#include "text/GameText.h"

namespace kelvora::testing {
namespace {

class HintTest : public GameFixture {
 protected:
  void SetUp() override { Load({StageSolvedByM(), StageSolvedByS()}); }
  int HintMessages() const {
    int count = 0;
    for (const auto& [title, text] : screen.messages) count += text == text::kHintNotRecorded;
    return count;
  }
};

TEST_F(HintTest, AHintedStageIsPlayedOutButNotRecordedAndTheNextStageIsAgain) {
  game.NoteHintShown();  // before any game: nothing is in play to hint at
  EXPECT_EQ(HintMessages(), 0);

  game.StartPreparedStages();
  game.NoteHintShown();
  game.NoteHintShown();
  EXPECT_EQ(HintMessages(), 1);
  EXPECT_TRUE(game.View().hinted);
  Play("M");
  EXPECT_EQ(screen.Caption(StatusLabel::kCompletion), text::kCongratulations);
  EXPECT_EQ(game.View().records.prepared[0].bestMoves, 0);
  EXPECT_EQ(File("BEST1.txt"), "");

  // The completed board takes no moves: the hint is refused, with no message.
  game.NoteHintShown();
  EXPECT_EQ(HintMessages(), 1);

  game.StartPreparedStages();
  EXPECT_FALSE(game.View().hinted);
  Play("M");
  EXPECT_EQ(game.View().records.prepared[0].bestMoves, 1);

  // Stepping to another stage starts it unhinted, and its first hint says so again.
  game.StartPreparedStages();
  game.NoteHintShown();
  game.StepStage(StageStep::kNext);
  EXPECT_FALSE(game.View().hinted);
  game.NoteHintShown();
  EXPECT_EQ(HintMessages(), 3);
}

TEST_F(HintTest, AHintedRandomStageIsNotArchived) {
  // Every shuffle turns row 1 right, which "S" undoes.
  random = ScriptedRandom(ShuffleDraws({{0, 12}, {4, 12}, {8, 12}}));
  game.StartRandomStage();
  game.NoteHintShown();
  Play("S");
  EXPECT_EQ(screen.Caption(StatusLabel::kCompletion), text::kCongratulations);
  EXPECT_TRUE(game.View().records.archive.empty());
  EXPECT_EQ(File("MENDATA2.txt"), "");
  game.StartRandomStage();
  Play("S");
  EXPECT_EQ(game.View().records.archive.size(), 1u);
}

class ParTest : public GameFixture {
 protected:
  // The stage file the game is delivered with.
  void LoadDelivered() {
    std::ifstream in(std::string(KELVORA_DELIVERED_DATA) + "/MENDATA1.txt", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    store.files[kFolder + "MENDATA1.txt"] = text.str();
    EXPECT_TRUE(game.Start().ok());
    delivered = game.View().records.prepared;
  }
  std::string ParShown() const { return screen.toolTips.at(StatusLabel::kStageCaption); }
  std::vector<PreparedStage> delivered;
};

TEST_F(ParTest, DeliveredStagesShowTheirParWhereverTheyStandAndOtherStagesNone) {
  LoadDelivered();
  ASSERT_EQ(delivered.size(), 30u);
  game.StartPreparedStages();
  EXPECT_EQ(ParShown(), "最短 1 手");
  game.StepStage(StageStep::kBack);
  EXPECT_EQ(ParShown(), "最短 60 手");

  // The player's own file: a stage of their own first, then delivered stage 5 moved up.
  Load({StageSolvedByT(), delivered[4].start});
  game.StartPreparedStages();
  EXPECT_EQ(ParShown(), "");
  game.StepStage(StageStep::kNext);
  EXPECT_EQ(ParShown(), "最短 5 手");
}

}  // namespace
}  // namespace kelvora::testing
