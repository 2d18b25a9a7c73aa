// Start-up: what the window shows and what the state holds before any game is started.
#include <gtest/gtest.h>

#include "core/TileCodes.h"
#include "support/CoreFixture.h"

namespace kelvora::testing {
namespace {

using StartupTest = CoreFixture;

TEST_F(StartupTest, LeavesTheGoalPatternOnBoardAndScreen) {
  EXPECT_EQ(state().board.Field(), GoalPattern());
  EXPECT_TRUE(screen.ShowsBoard(state().board));
  for (bool shown : screen.tileShown) EXPECT_TRUE(shown);
  EXPECT_EQ(screen.pictures[12], kBlank);  // top right
  EXPECT_EQ(screen.pictures[3], 3);        // bottom left: the red U
}

TEST_F(StartupTest, LeavesTheStateAtItsInitialValues) {
  EXPECT_EQ(state().gameActive, 0);
  EXPECT_EQ(state().gameMode, 0);
  EXPECT_EQ(state().moveCount, 0);
  EXPECT_EQ(state().stageNumber, 0);
  EXPECT_TRUE(state().moveHistory.empty());
  EXPECT_FALSE(state().heldTile.has_value());
  EXPECT_EQ(state().moveLetters[0], "A");
  EXPECT_EQ(state().moveLetters[19], "T");
  EXPECT_EQ(state().moveLetters[20], "");
  EXPECT_EQ(random.seeds, 1);
  EXPECT_EQ(hooks.loads, 1);
  // Nothing but the tiles is drawn: counts and messages stay unseen.
  EXPECT_TRUE(screen.captions.empty());
  EXPECT_TRUE(screen.shown.empty());
}

// Loads the data files and notes what the core had done by then.
struct ObservingHooks : CountingHooks {
  explicit ObservingHooks(GameState& observed) : state(observed) {}
  void LoadDataFiles() override {
    lettersFilled = state.moveLetters[19] == "T";
    boardEmpty = state.board.At(1, 1) == kEmptyCell;
  }
  GameState& state;
  bool lettersFilled = false;
  bool boardEmpty = false;
};

TEST(StartupOrder, LoadsDataAfterTheLettersAndBeforeTheGoal) {
  RecordingScreen screen;
  ScriptedRandom random;
  Game game(screen, random);
  ObservingHooks hooks(game.State());
  game.SetModeHooks(&hooks);
  game.Form_Load();
  EXPECT_TRUE(hooks.lettersFilled);
  EXPECT_TRUE(hooks.boardEmpty);
}

TEST_F(StartupTest, ClicksDoNothingBeforeAGameStarts) {
  screen.log.clear();
  for (std::int16_t index = 0; index < 16; ++index) game.Image1_Click(index);
  for (std::int16_t arrow = 0; arrow < 4; ++arrow) game.Label2_Click(arrow);
  EXPECT_TRUE(screen.log.empty());
  EXPECT_EQ(state().moveCount, 0);
  EXPECT_EQ(state().clickIndex, 0);
  EXPECT_EQ(state().board.Field(), GoalPattern());
}

TEST_F(StartupTest, InitGoalResetsTheDataButNotThePictures) {
  Play(RowsToGrid({13, 4, 7, 1, 2, 5, 8, 10, 2, 5, 8, 11, 3, 6, 9, 12}));
  state().moveHistory = "QS";
  auto shownBefore = screen.pictures;
  game.Display().InitGoal();
  EXPECT_EQ(state().board.Field(), GoalPattern());
  EXPECT_TRUE(state().moveHistory.empty());
  EXPECT_EQ(screen.pictures, shownBefore);
  game.Display().DrawBoard();
  EXPECT_TRUE(screen.ShowsBoard(state().board));
}

}  // namespace
}  // namespace kelvora::testing
