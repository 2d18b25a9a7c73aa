// A long random game on the real window: tile and arrow clicks, back and next, both start
// commands, and now and then a stage played to its solution. After every event the position,
// the screen, the labels and the data files on disk must agree with what the game says.
#include <QLabel>
#include <algorithm>
#include <cstdlib>
#include <random>

#include "core/HistoryReplay.h"
#include "core/TileCodes.h"
#include "modes/DataFiles.h"
#include "modes/DiskFileStore.h"
#include "support/DeliveredSolutions.h"
#include "ui/UiFixture.h"

namespace kelvora::testing {
namespace {

// The generator behind the shuffle: truly random, or (to make a random stage the player can
// solve) swaps of a cell with itself, which leave the board as it is.
class PlayerRandom : public RandomSource {
 public:
  void SeedFromClock() override {}
  double NextUnit() override { return still ? 0.0 : unit(engine); }
  bool still = false;
  std::mt19937 engine{2026};
  std::uniform_real_distribution<double> unit{0.0, 1.0};
};

char Undo(char letter, const Board& before) {
  // A rotation is undone by the opposite arrow; a slide by clicking the tile where it landed.
  switch (letter) {
    case 'Q':
      return 'S';
    case 'S':
      return 'Q';
    case 'R':
      return 'T';
    case 'T':
      return 'R';
    default:
      break;
  }
  const int index = letter - 'A';
  const int column = index / 4 + 1;
  const int row = index % 4 + 1;
  return static_cast<char>(before.At(column, row + 1) == kBlank ? letter + 1 : letter - 1);
}

int Events() {
  const char* text = std::getenv("KELVORA_EVENTS");
  return text != nullptr ? std::atoi(text) : 3000;
}

class LongPlayTest : public UiFixture {
 protected:
  void OpenOnDeliveredData() {
    for (const char* name : {"MENDATA1.txt", "MENDATA2.txt", "BEST1.txt", "BEST2.txt"}) {
      std::filesystem::copy_file(std::filesystem::path(KELVORA_DELIVERED_DATA) / name,
                                 folder / name);
    }
    form = std::make_unique<ui::Form1>(
        folder.string(), [] {}, nullptr, &player);
    form->Form_Load();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  GameState& state() { return form->Game().State(); }

  // Plays one letter by a click on the window, keeping the known solution up to date.
  void Click(char letter) {
    const Board before = state().board;
    const int moves = state().moveCount;
    if (letter >= 'Q') {
      ClickArrow(letter - 'Q');
    } else {
      ClickTile(letter - 'A');
    }
    if (state().moveCount == moves + 1 || state().gameActive == 0) {
      if (solution) solution->insert(solution->begin(), Undo(letter, before));
    }
    if (state().gameActive == 0) solution.reset();
  }

  void CheckEverything(int event) {
    SCOPED_TRACE("event " + std::to_string(event));
    const Board& board = state().board;
    std::vector<int> codes;
    for (int i = 0; i < 16; ++i) {
      const int code = board.At(i / 4 + 1, i % 4 + 1);
      codes.push_back(code);
      ASSERT_EQ(form->Image1(i)->PictureNumber(), code) << "tile box " << i;
    }
    std::sort(codes.begin(), codes.end());
    ASSERT_EQ(codes, goalCodes);
    if (state().gameActive == 1) {
      ASSERT_EQ(form->Label(6)->text().toInt(), state().moveCount);
      ASSERT_EQ(form->Label(4)->text().toInt(), state().matchCount);
      ASSERT_EQ(static_cast<int>(state().moveHistory.size()), state().moveCount);
    }
    const bool prepared = state().gameMode == kPreparedStageMode;
    ASSERT_EQ(form->Label(7)->isVisible(), prepared);
    ASSERT_EQ(form->Label(8, 0)->isVisible(), prepared);
    if (prepared) {
      ASSERT_EQ(form->Label(7)->text(), QStringLiteral("第 %1面").arg(state().stageNumber));
    }

    // The files on disk load, and hold exactly the records the game holds.
    DiskFileStore store;
    DataTables onDisk;
    DataFiles files(onDisk, store, folder.string());
    files.LoadDataFiles();
    const DataTables& now = form->Game().Tables();
    ASSERT_EQ(onDisk.preparedStageCount, now.preparedStageCount);
    ASSERT_EQ(onDisk.bestMoves, now.bestMoves);
    ASSERT_EQ(onDisk.bestHistory, now.bestHistory);
    ASSERT_EQ(onDisk.randomStageCount, now.randomStageCount);
    ASSERT_EQ(onDisk.randomBest, now.randomBest);
    if (onDisk == lastOnDisk) return;

    // Something was saved: a best never grows, the archive only grows, and every stored
    // history solves its stage in exactly its count.
    for (int s = 1; s <= onDisk.preparedStageCount; ++s) {
      if (lastOnDisk.bestMoves[s] != 0) {
        ASSERT_LE(onDisk.bestMoves[s], lastOnDisk.bestMoves[s]);
      }
      if (onDisk.bestMoves[s] == 0) continue;
      ReplayResult replay = ReplayHistory(onDisk.preparedStages[s], onDisk.bestHistory[s]);
      ASSERT_TRUE(replay.solved) << "stage " << s << ": " << replay.problem;
      ASSERT_EQ(replay.movesPlayed, onDisk.bestMoves[s]);
      ++bestsChecked;
    }
    ASSERT_GE(onDisk.randomStageCount, lastOnDisk.randomStageCount);
    for (int i = 1; i <= onDisk.randomStageCount; ++i) {
      if (i <= lastOnDisk.randomStageCount) {
        ASSERT_EQ(onDisk.randomStages[i], lastOnDisk.randomStages[i]);
        ASSERT_EQ(onDisk.randomRecordHistory[i], lastOnDisk.randomRecordHistory[i]);
        continue;
      }
      ReplayResult replay = ReplayHistory(onDisk.randomStages[i], onDisk.randomRecordHistory[i]);
      ASSERT_TRUE(replay.solved) << "random stage " << i << ": " << replay.problem;
      ASSERT_EQ(replay.movesPlayed, onDisk.randomRecordMoves[i]);
      ++archiveChecked;
    }
    lastOnDisk = onDisk;
  }

  PlayerRandom player;
  std::vector<int> goalCodes = {1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13};
  // Letters that solve the position on the board, when the test knows them.
  std::optional<std::string> solution;
  DataTables lastOnDisk;
  int bestsChecked = 0;
  int archiveChecked = 0;
};

TEST_F(LongPlayTest, RandomEventsKeepScreenDataAndFilesSound) {
  OpenOnDeliveredData();
  const std::vector<DeliveredSolution> stages = DeliveredSolutions();
  ASSERT_EQ(stages.size(), 30u);
  std::mt19937 rng(7);
  const int events = Events();
  int solves = 0;
  for (int event = 0; event < events; ++event) {
    const auto roll = rng() % 1000;
    if (roll < 15) {
      form->StartPreparedStages();
      solution = stages[0].letters;
    } else if (roll < 30) {
      // Half the random stages leave the board as it is, so a known solution still holds.
      player.still = rng() % 2 == 0;
      const bool fromGoal = state().gameActive == 0;
      form->StartRandomStage();
      if (!player.still) {
        solution.reset();
      } else if (fromGoal) {
        solution.reset();  // the goal itself: completed at once
      }
    } else if (roll < 100 && state().gameMode == kPreparedStageMode) {
      const int index = static_cast<int>(rng() % 2);
      QTest::mouseClick(form->Label(8, index), Qt::LeftButton);
      solution = stages[state().stageNumber - 1].letters;
      if (state().gameActive == 0) solution.reset();
    } else if (roll < 130 && solution && state().gameActive == 1) {
      // Play the known solution to the end, one click an event.
      const std::string letters = *solution;
      for (char letter : letters) {
        Click(letter);
        CheckEverything(++event);
        if (HasFatalFailure()) return;
      }
      ++solves;
      continue;
    } else if (roll < 400) {
      Click(static_cast<char>('Q' + rng() % 4));
    } else {
      Click(static_cast<char>('A' + rng() % 16));
    }
    CheckEverything(event);
    if (HasFatalFailure()) return;
  }
  std::cout << events << " events played, " << solves << " stages solved by clicks; "
            << bestsChecked << " stored bests and " << archiveChecked
            << " archived random stages replayed to their solve\n";
  EXPECT_GT(solves, 0);
}

}  // namespace
}  // namespace kelvora::testing
