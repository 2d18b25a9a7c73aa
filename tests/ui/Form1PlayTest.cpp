// Playing on the real window: clicks reach the game with the right index, the labels follow,
// and a solve is saved beside the program.
#include <QLabel>

#include "records/DiskFileStore.h"
#include "tests/support/FailingSystem.h"
#include "tests/ui/UiFixture.h"

namespace kelvora::testing {
namespace {

using Form1PlayTest = UiFixture;

TEST_F(Form1PlayTest, ClicksBeforeAGameStartsDoNothing) {
  Open();
  ClickTile(13);
  ClickArrow(0);
  EXPECT_EQ(game->View().board, Position::Goal());
  EXPECT_TRUE(form->Label(6)->text().isEmpty());
}

TEST_F(Form1PlayTest, TileAndArrowClicksReachTheGameWithTheirIndex) {
  Open();
  form->StartPreparedStages();
  ClickArrow(3);
  ClickArrow(1);
  ClickTile(13);  // (4, 2) is the blank: refused
  ClickTile(14);  // (4, 3) slides up into the blank
  EXPECT_EQ(game->View().history, "TRO");
  EXPECT_EQ(form->Label(6)->text(), "3");
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(form->Image1(i)->PictureNumber(), game->View().board.At(CellAt(i)));
  }
}

TEST_F(Form1PlayTest, APreparedStagePlayedByClicksIsCongratulatedAndSaved) {
  Open();
  form->StartPreparedStages();
  EXPECT_TRUE(form->Label(7)->isVisible());
  EXPECT_EQ(form->Label(7)->text(), "第 1面");
  EXPECT_EQ(form->Label(10)->text(), "0");
  Play("QSM");
  EXPECT_TRUE(form->Label(11)->isVisible());
  EXPECT_EQ(form->Label(11)->text(), "Congratulations!");
  EXPECT_EQ(form->Label(4)->text(), "16");
  EXPECT_EQ(form->Label(6)->text(), "3");
  EXPECT_EQ(ReadFile("BEST1.txt"), "2\r\n3\r\n\"QSM\"\r\n0\r\n\"\"\r\n");
}

TEST_F(Form1PlayTest, NextAndBackLabelsStepTheStages) {
  Open();
  form->StartPreparedStages();
  QTest::mouseClick(form->Label(8, 1), Qt::LeftButton);
  EXPECT_EQ(form->Label(7)->text(), "第 2面");
  EXPECT_EQ(game->View().board, StageSolvedByS());
  QTest::mouseClick(form->Label(8, 0), Qt::LeftButton);
  QTest::mouseClick(form->Label(8, 0), Qt::LeftButton);
  EXPECT_EQ(form->Label(7)->text(), "第 2面");
}

TEST_F(Form1PlayTest, ARandomStageHidesTheStageNavigation) {
  Open();
  form->StartPreparedStages();
  random = ScriptedRandom({0.9, 0.1});
  form->StartRandomStage();
  EXPECT_FALSE(form->Label(7)->isVisible());
  EXPECT_FALSE(form->Label(8, 0)->isVisible());
  EXPECT_FALSE(form->Label(8, 1)->isVisible());
  EXPECT_EQ(form->Label(10)->text(), "9999");
}

TEST_F(Form1PlayTest, AFailedSaveIsShownInAMessageAndPlayGoesOn) {
  Open();
  // A folder where the record file should be: the save cannot replace it.
  std::filesystem::create_directory(folder / "BEST1.txt");
  form->StartPreparedStages();
  QString shown;
  WhenModalOpens([&](QWidget* box) { shown = box->findChild<QLabel*>("qt_msgbox_label")->text(); });
  ClickTile(12);
  AwaitModals();
  EXPECT_TRUE(shown.contains(QString::fromStdString((folder / "BEST1.txt").string())))
      << shown.toStdString();
  EXPECT_EQ(game->View().records.prepared[0].bestMoves, 1);
  form->StartPreparedStages();
  EXPECT_TRUE(game->View().takesMoves);
}

TEST_F(Form1PlayTest, ADiskFullMidwayIsToldOnceAndTheRecordIsWrittenByTheNextSave) {
  FailingSystem system(FailingSystem::Step::kWriteHalfway, ENOSPC);
  DiskFileStore store(system);
  const std::string old = "2\r\n9\r\n\"QQQQRRRRM\"\r\n0\r\n\"\"\r\n";
  WriteFile("BEST1.txt", old);
  Open({StageSolvedByM(), StageSolvedByS()}, &store);
  form->StartPreparedStages();
  QStringList shown;
  WhenModalOpens(
      [&](QWidget* box) { shown << box->findChild<QLabel*>("qt_msgbox_label")->text(); });
  ClickTile(12);
  AwaitModals();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_TRUE(shown[0].contains("BEST1.txt"));
  EXPECT_TRUE(shown[0].contains("ディスクの空き容量が足りません"));
  EXPECT_EQ(ReadFile("BEST1.txt"), old);
  EXPECT_EQ(form->Label(11)->text(), "Congratulations!");

  // The game goes on; once the disk has room the next save carries the earlier record too.
  system.armed = false;
  form->StartPreparedStages();
  QTest::mouseClick(form->Label(8, 1), Qt::LeftButton);
  ClickArrow(2);
  EXPECT_EQ(ReadFile("BEST1.txt"), "2\r\n1\r\n\"M\"\r\n1\r\n\"S\"\r\n");
}

}  // namespace
}  // namespace kelvora::testing
