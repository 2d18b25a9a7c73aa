// The menu bar: its tree and captions, and each command reached by mouse or by access keys.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintDevice>
#include <QPaintEngine>

#include "tests/ui/UiFixture.h"
#include "ui/Form2.h"

namespace kelvora::testing {
namespace {

// A surface that keeps the strings painted on it and draws nothing.
class TextRecorder : public QPaintDevice {
 public:
  QString drawn;
  QPaintEngine* paintEngine() const override { return &engine_; }

 protected:
  int metric(PaintDeviceMetric metric) const override {
    switch (metric) {
      case PdmDpiX:
      case PdmDpiY:
      case PdmPhysicalDpiX:
      case PdmPhysicalDpiY:
        return 96;
      case PdmDepth:
        return 32;
      case PdmDevicePixelRatio:
        return 1;
      case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
      default:  // sizes and colours: more than a menu needs
        return 1 << 24;
    }
  }

 private:
  class Engine : public QPaintEngine {
   public:
    explicit Engine(QString& drawn) : drawn_(drawn) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF&, const QTextItem& item) override { drawn_ += item.text(); }
    Type type() const override { return User; }

   private:
    QString& drawn_;
  };
  mutable Engine engine_{drawn};
};

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

// The browser's menus are in the Gothic face at 12 points, where Qt once showed "バージョ…(A)".
TEST_F(MenuTest, EveryCaptionIsDrawnWholeInTheGothicFaceAtAnySize) {
  for (QAction* bar : form->menuBar()->actions()) {
    QMenu* menu = bar->menu();
    for (int points = 8; points <= 16; ++points) {
      menu->setFont(QFont(QStringLiteral("BIZ UDPGothic"), points));
      menu->adjustSize();
      TextRecorder recorder;
      menu->render(&recorder);
      for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        EXPECT_TRUE(recorder.drawn.contains(QString(action->text()).remove(u'&')))
            << action->text().toStdString() << " at " << points << " points, drawn as "
            << recorder.drawn.toStdString();
      }
    }
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
