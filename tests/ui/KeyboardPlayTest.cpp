// Playing with keys alone: the cursor's walk over the board, Space and Enter clicking as the
// mouse does, Page Up and Page Down stepping the stages, and frames over targets that change
// nothing beneath them.
#include <QLabel>
#include <QScreen>
#include <map>

#include "tests/ui/UiFixture.h"
#include "ui/TargetFrame.h"

namespace kelvora::testing {
namespace {

// The window as the screen, with its beeps counted on the way: a beep makes no sound without a
// display, and leaves nothing else to see.
class BeepCounter : public Screen {
 public:
  explicit BeepCounter(Screen& window) : window_(window) {}
  void SetTilePicture(int tileIndex, int code) override { window_.SetTilePicture(tileIndex, code); }
  void ShowTile(int tileIndex) override { window_.ShowTile(tileIndex); }
  void SetCaption(StatusLabel label, const std::string& caption) override {
    window_.SetCaption(label, caption);
  }
  void SetLabelVisible(StatusLabel label, bool visible) override {
    window_.SetLabelVisible(label, visible);
  }
  void SetToolTip(StatusLabel label, const std::string& tip) override {
    window_.SetToolTip(label, tip);
  }
  void Beep() override { ++beeps; }
  void ShowMessage(const std::string& title, const std::string& text) override {
    window_.ShowMessage(title, text);
  }
  int beeps = 0;

 private:
  Screen& window_;
};

int TargetOf(char letter) {
  return Move::FromLetter(letter)->Index();
}

class KeyboardPlay : public UiFixture {
 protected:
  void SetUp() override {
    Open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  // A key as a player presses it: to whatever has the keyboard focus.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : form.get(), key, modifiers);
  }
  void StartPreparedStagesByKeys() {
    Press(Qt::Key_P, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    ASSERT_NE(menu, nullptr);
    QTest::keyClick(menu, Qt::Key_S);
  }

  // What the window has on the screen, its pending repaints done: only the parts it found
  // changed are painted again, as they would be on a display.
  QImage WindowShot() {
    QApplication::processEvents();
    QEvent repaint(QEvent::UpdateRequest);
    QApplication::sendEvent(form.get(), &repaint);
    return form->screen()->grabWindow(form->winId()).toImage();
  }
  QRect OnScreen(int target) const {
    const QRect at = form->Targets().Geometry(target);
    return QRect(form->centralWidget()->mapTo(form.get(), at.topLeft()), at.size());
  }
};

TEST_F(KeyboardPlay, KeysAloneSolveTwoStagesAndStepBetweenThem) {
  StartPreparedStagesByKeys();
  // The first key shows the cursor on the tile top left; three more take it to M.
  for (int i = 0; i < 4; ++i) Press(Qt::Key_Right);
  Press(Qt::Key_Space);
  EXPECT_TRUE(form->Label(11)->isVisible());

  // A solved stage leaves the board still until the game is started again.
  StartPreparedStagesByKeys();
  Press(Qt::Key_PageDown);
  EXPECT_EQ(form->Label(7)->text(), "第 2面");
  // Past the last column of row 1 lies the arrow that turns it left.
  Press(Qt::Key_Right);
  Press(Qt::Key_Return);
  EXPECT_TRUE(form->Label(11)->isVisible());
  EXPECT_EQ(ReadFile("BEST1.txt"), "2\r\n1\r\n\"M\"\r\n1\r\n\"S\"\r\n");

  Press(Qt::Key_PageUp);
  EXPECT_EQ(form->Label(7)->text(), "第 1面");
  EXPECT_EQ(game->View().board, StageSolvedByM());
}

TEST_F(KeyboardPlay, TheCursorShowsAtTheFirstKeyThenWalksRowsOntoTheArrowsAndStopsAtEdges) {
  const QImage untouched = WindowShot();
  EXPECT_FALSE(form->Keys().CursorShown());
  Press(Qt::Key_Down);
  EXPECT_TRUE(form->Keys().CursorShown());
  EXPECT_NE(WindowShot(), untouched);

  // Keys by their initial (Down, Left, Up, Right) and the move letter of the target each lands
  // on: no arrows beside rows 2 and 3, so Left from B stays; Left from A reaches the arrow Q, Down
  // from Q its partner R beside row 4; Right runs along row 4 onto T; Up from T reaches S.
  const std::string keys = "DLUULLDDRRRRRRUL";
  const std::string lands = "BBAAQQRRDHLPTTSM";
  const std::map<char, Qt::Key> key = {
      {'D', Qt::Key_Down}, {'L', Qt::Key_Left}, {'U', Qt::Key_Up}, {'R', Qt::Key_Right}};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    Press(key.at(keys[i]));
    EXPECT_EQ(form->Keys().Cursor(), TargetOf(lands[i])) << "step " << i + 1;
  }
  // Nothing was clicked on the way, and the board was not even in play.
  EXPECT_EQ(game->View().board, Position::Goal());
}

TEST_F(KeyboardPlay, ARefusedSlideBySpaceBeepsAsAClickDoesAndAHeldSpaceClicksOnce) {
  std::unique_ptr<BeepCounter> screen;
  OpenWith([&](Screen& window) {
    screen = std::make_unique<BeepCounter>(window);
    return std::make_unique<Kelvora>(*screen, random, *files);
  });
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  form->StartPreparedStages();

  Press(Qt::Key_Space);  // shows the cursor on A, which has no blank above or below
  EXPECT_EQ(screen->beeps, 0);
  Press(Qt::Key_Space);
  EXPECT_EQ(screen->beeps, 1);
  ClickTile(0);
  EXPECT_EQ(screen->beeps, 2);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
  QApplication::sendEvent(QApplication::focusWidget(), &held);
  EXPECT_EQ(screen->beeps, 2);
  EXPECT_EQ(game->View().moveCount, 0);
  form.reset();  // before the screen the game draws on
}

TEST_F(KeyboardPlay, AFrameLetsClicksThroughAndLeavesNoTraceWhenMovedOrHidden) {
  form->StartPreparedStages();
  const QImage before = WindowShot();
  ui::TargetFrame hint(form->Targets(), QColor(255, 0, 255));
  hint.ShowOn(TargetOf('M'));
  const QImage framed = WindowShot();
  const QRect m = OnScreen(TargetOf('M'));
  EXPECT_EQ(framed.pixelColor(m.left() + 1, m.center().y()), QColor(255, 0, 255));
  EXPECT_EQ(framed.pixelColor(m.center()), before.pixelColor(m.center()));

  hint.ShowOn(TargetOf('T'));
  const QImage moved = WindowShot();
  EXPECT_EQ(moved.copy(m.adjusted(-8, -8, 8, 8)), before.copy(m.adjusted(-8, -8, 8, 8)));
  hint.hide();
  EXPECT_EQ(WindowShot(), before);

  // A click on the frame's band over a tile is the tile's.
  hint.ShowOn(TargetOf('M'));
  QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, m.topLeft() + QPoint(1, 1));
  EXPECT_TRUE(form->Label(11)->isVisible());
}

}  // namespace
}  // namespace kelvora::testing
