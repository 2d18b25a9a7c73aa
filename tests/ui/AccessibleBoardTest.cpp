// The board as a screen reader reads it: every tile and arrow named for what it shows and where,
// and the status figures announced as they change.
#include <QAccessible>
#include <QLabel>
#include <map>
#include <random>

#include "tests/support/FixedStageMode.h"
#include "tests/ui/UiFixture.h"

namespace kelvora::testing {
namespace {

// What each tile picture shows, by tile code, as the pictures are painted.
const char* const kShows[] = {"",        "赤 上端", "赤 交差", "赤 下端", "緑 上端",
                              "緑 交差", "緑 下端", "黄 上端", "黄 交差", "黄 下端",
                              "白 上端", "白 交差", "白 下端", "空き"};

QString NameOf(QWidget* widget) {
  QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(widget);
  return readable != nullptr ? readable->text(QAccessible::Name) : QString("(not accessible)");
}

using AccessibleBoard = UiFixture;

TEST_F(AccessibleBoard, EveryTileIsNamedForWhatItShowsAndWhereAfterRandomMoves) {
  Open();
  FixedStageMode stage(BlankAtBottomRight());
  game->Begin(stage);
  std::mt19937 pick(7);
  for (int move = 0; move < 12; ++move) {
    const int target = static_cast<int>(pick() % 20);
    if (target < 16) {
      ClickTile(target);
    } else {
      ClickArrow(target - 16);
    }
  }
  ASSERT_TRUE(game->View().takesMoves);
  ASSERT_NE(game->View().board, BlankAtBottomRight());
  for (int i = 0; i < 16; ++i) {
    const Cell cell = CellAt(i);
    const QString expected = QString("%1 %2列 %3行")
                                 .arg(kShows[form->Image1(i)->PictureNumber()])
                                 .arg(cell.column)
                                 .arg(cell.row);
    EXPECT_EQ(NameOf(form->Image1(i)).toStdString(), expected.toStdString())
        << "Image1(" << i << ")";
  }
}

TEST_F(AccessibleBoard, ArrowsAreNamedByTheRowTheyTurnAndWhichWay) {
  Open();
  EXPECT_EQ(NameOf(form->Label(2, 0)), "1行 右へ回す");
  EXPECT_EQ(NameOf(form->Label(2, 1)), "4行 右へ回す");
  EXPECT_EQ(NameOf(form->Label(2, 2)), "1行 左へ回す");
  EXPECT_EQ(NameOf(form->Label(2, 3)), "4行 左へ回す");
}

// Qt 6.4 passes accessibility events to no one, not even an update handler, while no screen
// reader is attached; what the window says it announces is heard here instead.
TEST_F(AccessibleBoard, AMoveAnnouncesTheNewFiguresOnceAndASolveItsMessage) {
  Open();
  form->StartPreparedStages();
  std::map<QWidget*, std::vector<std::string>> said;
  QObject::connect(
      &form->Announcements(), &ui::Announcer::announced,
      [&](QWidget* label, const QString& words) { said[label].push_back(words.toStdString()); });
  ClickTile(14);  // slides up into the blank: one move, one cell fewer in place
  EXPECT_EQ(said[form->Label(6)], std::vector<std::string>{"手数 1"});
  EXPECT_EQ(said[form->Label(4)], std::vector<std::string>{"正しい位置 13"});
  EXPECT_EQ(NameOf(form->Label(6)).toStdString(), "手数 1");

  ClickTile(13);
  ClickTile(12);
  EXPECT_EQ(said[form->Label(11)], std::vector<std::string>{"Congratulations!"});
  EXPECT_EQ(said.size(), 3u);
}

}  // namespace
}  // namespace kelvora::testing
