// The menu bar: its tree and captions, and each command reached by mouse or by access keys.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "tests/ui/UiFixture.h"
#include "ui/Form2.h"

namespace kelvora::testing {
namespace {

class MenuTest : public UiFixture {
 protected:
  void SetUp() override {
    Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }
  // Opens a menu with Alt and its key, then picks an entry with its key.
  void AccessKeys(Qt::Key menu, Qt::Key entry) {
    QTest::keyClick(form.get(), menu, Qt::AltModifier);
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, entry);
  }
};

TEST_F(MenuTest, HasTheTreeCaptionsAndSeparator) {
  const QList<QAction*> bar = form->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "パズル(&P)");
  EXPECT_EQ(bar[0]->menu()->objectName(), "メニューパズル");
  EXPECT_EQ(bar[1]->text(), "ヘルプ(&H)");
  EXPECT_EQ(bar[1]->menu()->objectName(), "メニューヘルプ");
  const QList<QAction*> puzzle = bar[0]->menu()->actions();
  ASSERT_EQ(puzzle.size(), 6);
  EXPECT_EQ(puzzle[0]->text(), "選択面スタート(&S)");
  EXPECT_EQ(puzzle[0]->objectName(), "メニュー選択面");
  EXPECT_EQ(puzzle[1]->text(), "ランダム面スタート(&Z)");
  // The hint is the one entry added to the menus, before the separator, with a key of its own.
  EXPECT_EQ(puzzle[2]->text(), "ヒント(&H)");
  EXPECT_EQ(puzzle[2]->shortcut(), QKeySequence(Qt::Key_H));
  // The records follow it, with an access key the menu's other entries leave free.
  EXPECT_EQ(puzzle[3]->text(), "記録(&K)");
  EXPECT_EQ(puzzle[3]->shortcut(), QKeySequence(Qt::Key_K));
  EXPECT_TRUE(puzzle[4]->isSeparator());
  EXPECT_EQ(puzzle[5]->text(), "終了(&X)");
  const QList<QAction*> help = bar[1]->menu()->actions();
  ASSERT_EQ(help.size(), 2);
  EXPECT_EQ(help[0]->text(), "ルールの説明(&R)");
  EXPECT_EQ(help[1]->text(), "バージョン情報(&A)");
  for (QAction* action : puzzle + help) {
    if (action != puzzle[2] && action != puzzle[3]) {
      EXPECT_TRUE(action->shortcut().isEmpty());
    }
    EXPECT_FALSE(action->isCheckable());
  }
}

TEST_F(MenuTest, AltPThenSStartsPreparedStagesAtStageOneEachTime) {
  AccessKeys(Qt::Key_P, Qt::Key_S);
  EXPECT_TRUE(form->Label(8, 1)->isVisible());
  ClickArrow(0);
  QTest::mouseClick(form->Label(8, 1), Qt::LeftButton);
  AccessKeys(Qt::Key_P, Qt::Key_S);
  EXPECT_EQ(form->Label(7)->text(), "第 1面");
  EXPECT_EQ(form->Label(6)->text(), "0");
}

TEST_F(MenuTest, AltPThenZStartsARandomStage) {
  AccessKeys(Qt::Key_P, Qt::Key_S);
  AccessKeys(Qt::Key_P, Qt::Key_Z);
  EXPECT_TRUE(game->View().takesMoves);
  EXPECT_FALSE(form->Label(7)->isVisible());
  EXPECT_EQ(form->Label(10)->text(), "9999");
}

TEST_F(MenuTest, AltPThenXEndsTheProgramWritingNothing) {
  AccessKeys(Qt::Key_P, Qt::Key_S);
  ClickArrow(0);
  AccessKeys(Qt::Key_P, Qt::Key_X);
  EXPECT_EQ(endRequests, 1);
  EXPECT_FALSE(std::filesystem::exists(folder / "BEST1.txt"));
}

TEST_F(MenuTest, AltHThenROpensTheRulesWindowModally) {
  bool opened = false;
  WhenModalOpens([&](QWidget* window) {
    opened = qobject_cast<ui::Form2*>(window) != nullptr;
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
  });
  AccessKeys(Qt::Key_H, Qt::Key_R);
  AwaitModals();
  EXPECT_TRUE(opened);
}

TEST_F(MenuTest, AltHThenAShowsTheVersionBox) {
  QString title;
  WhenModalOpens([&](QWidget* window) { title = window->windowTitle(); });
  AccessKeys(Qt::Key_H, Qt::Key_A);
  AwaitModals();
  EXPECT_EQ(title, "バージョン情報");
}

}  // namespace
}  // namespace kelvora::testing
