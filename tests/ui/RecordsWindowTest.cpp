// The records window over a player's folder: the rows the files hold, a save shown at once while
// the game plays on, replays exact to the move, a record edited by hand refused, the shortest
// solution as long as par, and not a byte of any data file written by any of it.
#include <QComboBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <map>

#include "records/RecordFiles.h"
#include "solver/HintSolver.h"
#include "tests/support/DeliveredSolutions.h"
#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/BoardSpeech.h"
#include "ui/RecordsWindow.h"
#include "ui/ReplayBoard.h"
#include "ui/ReplayPanel.h"
#include "ui/TileBox.h"

namespace kelvora::testing {
namespace {

class RecordsWindowTest : public UiFixture {
 protected:
  // Delivered stage 10 (par 10), then two stages of the player's own, each solved by one move.
  void SetUp() override {
    DiskFileStore store;
    const Result<Records> delivered = RecordFiles(store, KELVORA_DELIVERED_DATA).Load();
    ASSERT_TRUE(delivered.ok());
    stage10 = delivered->prepared.at(9).start;
    solution10 = DeliveredSolutions().at(9).letters;
    ASSERT_EQ(solution10.size(), 10u);
    WriteFile("MENDATA1.txt", StageFileText({stage10, StageSolvedByM(), StageSolvedByS()}));
    // Two moves that cancel out before the solution: 12 against a par of 10.
    WriteFile("BEST1.txt", "3\r\n12\r\n\"QS" + solution10 + "\"\r\n1\r\n\"M\"\r\n0\r\n\"\"\r\n");
    WriteFile("MENDATA2.txt", StageFileText({StageSolvedByT(), StageSolvedByM()}));
    // The second archived result was edited by hand: A does not solve its stage.
    WriteFile("BEST2.txt", "2\r\n1\r\n3\r\n\"QST\"\r\n1\r\n\"A\"\r\n");
    OpenOnFolder();
    form->UseHintSource([tables = tables.string()] {
      return std::make_unique<solver::HintSolver>(tables, solver::TableSize::Small);
    });
    before = Files();
  }

  std::map<std::string, std::string> Files() {
    std::map<std::string, std::string> contents;
    for (const char* name : {"MENDATA1.txt", "BEST1.txt", "MENDATA2.txt", "BEST2.txt"}) {
      contents[name] = ReadFile(name);
    }
    return contents;
  }
  ui::RecordsWindow& OpenRecords() {
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_K);
    EXPECT_NE(form->Records(), nullptr);
    return *form->Records();
  }
  static QString Cell(QTreeWidget* list, int row, int column) {
    return list->topLevelItem(row)->text(column);
  }
  static void Choose(QTreeWidget* list, int row) { list->setCurrentItem(list->topLevelItem(row)); }

  const std::filesystem::path tables = folder / "tables";
  Position stage10;
  std::string solution10;
  std::map<std::string, std::string> before;
};

TEST_F(RecordsWindowTest, OpensOnlyWhenAskedWithARowPerStageReadAsTheFilesHaveThem) {
  EXPECT_EQ(form->Records(), nullptr);
  EXPECT_EQ(form->findChild<ui::RecordsWindow*>(), nullptr);
  ui::RecordsWindow& window = OpenRecords();
  ASSERT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isModal());
  EXPECT_EQ(window.Summary()->text(), "3 面中 2 面クリア、うち 0 面が最短手数");
  EXPECT_EQ(window.ArchiveSummary()->text(), "ランダム面 2 / 50 面、ベスト 1 手");
  QTreeWidget* list = window.PreparedList();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(Cell(list, 0, 1), "12");
  EXPECT_EQ(Cell(list, 0, 2), "10");
  EXPECT_EQ(Cell(list, 0, 3), "");
  // The player's own stages have no par while the solver's tables are not on the machine, and
  // the window does not build them for one.
  EXPECT_EQ(Cell(list, 1, 1), "1");
  EXPECT_EQ(Cell(list, 1, 2), "");
  EXPECT_EQ(list->topLevelItem(1)->data(2, Qt::AccessibleTextRole).toString(), "なし");
  EXPECT_EQ(Cell(list, 2, 1), "");
  EXPECT_FALSE(window.Searching());
  EXPECT_FALSE(std::filesystem::exists(tables));
  ASSERT_EQ(window.ArchiveList()->topLevelItemCount(), 2);
  EXPECT_EQ(Cell(window.ArchiveList(), 0, 1), "3");

  // The replay board names its tiles as the main board does.
  window.PlayRecord();
  for (int i = 0; i < kCellCount; ++i) {
    EXPECT_EQ(window.Replay()->Board()->Tile(i)->accessibleName(),
              ui::TileSpeech(stage10.Codes()[i], CellAt(i)));
  }
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.Replay()->Running());
}

TEST_F(RecordsWindowTest, TheGameBehindPlaysOnAndEachSaveShowsAtOnce) {
  ui::RecordsWindow& window = OpenRecords();
  form->StartPreparedStages();
  Play(solution10);
  EXPECT_EQ(game->View().records.prepared[0].bestMoves, 10);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(Cell(window.PreparedList(), 0, 1), "10");
  EXPECT_EQ(Cell(window.PreparedList(), 0, 3), "◎");
  EXPECT_EQ(window.PreparedList()->topLevelItem(0)->data(3, Qt::AccessibleTextRole).toString(),
            "最短どおり");
  EXPECT_EQ(window.Summary()->text(), "3 面中 2 面クリア、うち 1 面が最短手数");
}

TEST_F(RecordsWindowTest, AReplayReachesTheGoalInExactlyTheStoredCountAndTouchesNothing) {
  ui::RecordsWindow& window = OpenRecords();
  Choose(window.PreparedList(), 0);
  QTest::mouseClick(window.ReplayButton(), Qt::LeftButton);
  EXPECT_TRUE(window.Replay()->Running());
  window.Replay()->PauseOrResume();
  EXPECT_FALSE(window.Replay()->Running());
  int steps = window.Replay()->Played();
  while (window.Replay()->StepButton()->isEnabled() && steps < 100) {
    EXPECT_FALSE(window.Replay()->Board()->Shown().IsGoal()) << "at move " << steps;
    QTest::mouseClick(window.Replay()->StepButton(), Qt::LeftButton);
    ++steps;
  }
  EXPECT_EQ(steps, 12);
  EXPECT_TRUE(window.Replay()->Board()->Shown().IsGoal());
  EXPECT_EQ(window.Replay()->Count()->text(), "手数 12 / 12");

  // The archived record plays through too, at the fast speed, to its end.
  window.Replay()->SpeedBox()->setCurrentIndex(2);
  Choose(window.ArchiveList(), 0);
  window.PlayRecord();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Replay()->Running(); }, 10000));
  EXPECT_EQ(window.Replay()->Played(), 3);
  EXPECT_TRUE(window.Replay()->Board()->Shown().IsGoal());

  // The game's own board never moved, and no file changed.
  EXPECT_EQ(game->View().board, Position::Goal());
  EXPECT_FALSE(game->View().takesMoves);
  EXPECT_EQ(Files(), before);
}

TEST_F(RecordsWindowTest, ARecordEditedByHandIsRefusedInTheWindowAndPlaysNothing) {
  ui::RecordsWindow& window = OpenRecords();
  Choose(window.ArchiveList(), 1);
  EXPECT_TRUE(window.PreparedList()->selectedItems().isEmpty());
  window.PlayRecord();
  EXPECT_EQ(window.Replay()->Message()->text(), QString::fromUtf8(text::kRecordDoesNotReplay));
  EXPECT_FALSE(window.Replay()->Running());
  EXPECT_EQ(window.Replay()->Played(), 0);
  EXPECT_EQ(window.Replay()->Board()->Shown(), StageSolvedByM());
  EXPECT_FALSE(window.Replay()->StepButton()->isEnabled());
}

TEST_F(RecordsWindowTest, TheShortestSolutionIsAsLongAsParAndThenTheOwnStagesGetTheirPars) {
  ui::RecordsWindow& window = OpenRecords();
  Choose(window.PreparedList(), 0);
  window.Replay()->SpeedBox()->setCurrentIndex(2);
  bool dialogShown = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) dialogShown = true;
  });
  watch.start(5);
  QTest::mouseClick(window.ShortestButton(), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return window.Replay()->Moves().size() == 10 && !window.Replay()->Running(); },
      120000));
  EXPECT_TRUE(dialogShown);
  EXPECT_EQ(window.Replay()->Played(), 10);
  EXPECT_TRUE(window.Replay()->Board()->Shown().IsGoal());

  // With the tables on the machine now, the pars of the player's own stages follow.
  QTreeWidget* list = window.PreparedList();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(list, 2, 2) == "1"; }, 60000));
  EXPECT_EQ(Cell(list, 1, 2), "1");
  EXPECT_EQ(Cell(list, 1, 3), "◎");
  EXPECT_EQ(window.Summary()->text(), "3 面中 2 面クリア、うち 1 面が最短手数");
  EXPECT_FALSE(game->View().takesMoves);
  EXPECT_EQ(Files(), before);
}

}  // namespace
}  // namespace kelvora::testing
