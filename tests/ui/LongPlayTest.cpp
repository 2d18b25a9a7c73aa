// A long random game on the real window: tile and arrow clicks, back and next, both start
// commands, and now and then a stage played to its solution. After every event the position,
// the screen, the labels and the data files on disk must agree with what the game says.
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cstdlib>
#include <random>

#include "core/HistoryReplay.h"
#include "core/Tiles.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "tests/support/DeliveredSolutions.h"
#include "tests/support/LoadedRecords.h"
#include "tests/ui/UiFixture.h"
#include "text/GameText.h"

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

char Undo(char letter, const Position& before) {
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
  const Cell cell = CellAt(letter - 'A');
  const bool blankBelow = cell.row < 4 && before.At({cell.column, cell.row + 1}) == kBlank;
  return static_cast<char>(blankBelow ? letter + 1 : letter - 1);
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
    OpenOnFolder(nullptr, player);
  }

  GameView view() const { return game->View(); }
  bool InPreparedStages() const {
    return view().mode != nullptr && view().mode->HasStageNavigation();
  }

  // Plays one letter by a click on the window, keeping the known solution up to date.
  void Click(char letter) {
    const Position before = view().board;
    const int moves = view().moveCount;
    Play(letter);
    if (view().moveCount == moves + 1 || !view().takesMoves) {
      if (solution) solution->insert(solution->begin(), Undo(letter, before));
    }
    if (!view().takesMoves) solution.reset();
  }

  void CheckEverything(int event) {
    SCOPED_TRACE("event " + std::to_string(event));
    const GameView now = view();
    std::vector<int> codes;
    for (int i = 0; i < 16; ++i) {
      const int code = now.board.At(CellAt(i));
      codes.push_back(code);
      ASSERT_EQ(form->Image1(i)->PictureNumber(), code) << "tile box " << i;
    }
    std::sort(codes.begin(), codes.end());
    ASSERT_EQ(codes, goalCodes);
    if (now.takesMoves) {
      ASSERT_EQ(form->Label(6)->text().toInt(), now.moveCount);
      ASSERT_EQ(form->Label(4)->text().toInt(), now.matchCount);
      ASSERT_EQ(static_cast<int>(now.history.size()), now.moveCount);
    }
    const bool prepared = InPreparedStages();
    ASSERT_EQ(form->Label(7)->isVisible(), prepared);
    ASSERT_EQ(form->Label(8, 0)->isVisible(), prepared);
    if (prepared) {
      ASSERT_EQ(form->Label(7)->text(), QStringLiteral("第 %1面").arg(now.preparedStage));
    }

    // The files on disk load, and hold exactly the records the game holds.
    DiskFileStore store;
    const Records onDisk = LoadedRecords(RecordFiles(store, folder.string()));
    ASSERT_EQ(onDisk, now.records);
    if (onDisk == lastOnDisk) return;

    // Something was saved: a best never grows, the archive only grows, and every stored
    // history solves its stage in exactly its count.
    for (std::size_t s = 0; s < onDisk.prepared.size(); ++s) {
      const PreparedStage& stage = onDisk.prepared[s];
      if (s < lastOnDisk.prepared.size() && lastOnDisk.prepared[s].bestMoves != 0) {
        ASSERT_LE(stage.bestMoves, lastOnDisk.prepared[s].bestMoves);
      }
      if (stage.bestMoves == 0) continue;
      ReplayResult replay = ReplayHistory(stage.start, stage.bestHistory);
      ASSERT_TRUE(replay.solved) << "stage " << s + 1 << ": " << replay.status.English();
      ASSERT_EQ(replay.movesPlayed, stage.bestMoves);
      ++bestsChecked;
    }
    ASSERT_GE(onDisk.archive.size(), lastOnDisk.archive.size());
    for (std::size_t i = 0; i < onDisk.archive.size(); ++i) {
      const ArchivedStage& stage = onDisk.archive[i];
      if (i < lastOnDisk.archive.size()) {
        ASSERT_EQ(stage, lastOnDisk.archive[i]);
        continue;
      }
      ReplayResult replay = ReplayHistory(stage.start, stage.history);
      ASSERT_TRUE(replay.solved) << "random stage " << i + 1 << ": " << replay.status.English();
      ASSERT_EQ(replay.movesPlayed, stage.moves);
      ++archiveChecked;
    }
    lastOnDisk = onDisk;
  }

  PlayerRandom player;
  std::vector<int> goalCodes = {1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13};
  // Letters that solve the position on the board, when the test knows them.
  std::optional<std::string> solution;
  Records lastOnDisk;
  int bestsChecked = 0;
  int archiveChecked = 0;
};

TEST_F(LongPlayTest, RandomEventsKeepScreenDataAndFilesSound) {
  OpenOnDeliveredData();
  // A long game fills the random archive; the one message that may then come is closed as a
  // player would close it, and noted.
  QStringList messages;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      messages << box->text();
      box->close();
    }
  });
  closer.start(1);
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
      const bool fromGoal = !view().takesMoves;
      form->StartRandomStage();
      if (!player.still) {
        solution.reset();
      } else if (fromGoal) {
        solution.reset();  // the goal itself: completed at once
      }
    } else if (roll < 100 && InPreparedStages()) {
      const int index = static_cast<int>(rng() % 2);
      QTest::mouseClick(form->Label(8, index), Qt::LeftButton);
      solution = stages[view().preparedStage - 1].letters;
      if (!view().takesMoves) solution.reset();
    } else if (roll < 130 && solution && view().takesMoves) {
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
  if (!messages.isEmpty()) {
    EXPECT_EQ(messages, QStringList{QString::fromUtf8(text::kArchiveFull)});
    EXPECT_EQ(game->View().records.archive.size(), std::size_t(kMostStagesInAFile));
  }
  std::cout << events << " events played, " << solves << " stages solved by clicks; "
            << bestsChecked << " stored bests and " << archiveChecked
            << " archived random stages replayed to their solve\n";
  EXPECT_GT(solves, 0);
}

}  // namespace
}  // namespace kelvora::testing
