// The hint on the real window: framed where a click plays it, gone after the click, and,
// followed to the end, a solve in exactly the stage's par that keeps no record.
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <regex>

#include "solver/PatternSets.h"
#include "tests/ui/UiFixture.h"
#include "text/GameText.h"

namespace kelvora::testing {
namespace {

class HintTest : public UiFixture {
 protected:
  // The delivered stages, and small tables cached in the test's folder: exact, and quick near
  // the goal, where the first stages are.
  void OpenDelivered() {
    std::filesystem::copy_file(std::filesystem::path(KELVORA_DELIVERED_DATA) / "MENDATA1.txt",
                               folder / "MENDATA1.txt");
    OpenOnFolder();
    form->UseHintTables((folder / "tables").string(), solver::TableSize::Small);
  }
  // Asks by the plain key, closing the message the stage's first hint brings; the moves the
  // hint says are left, or -1 when none came.
  int AskHint() {
    // The message comes in a modal box of its own, with its own event loop: only a timer sees it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages.push_back(box->text().toStdString());
        box->close();
      }
    });
    closer.start(5);
    // The key goes to the active window, which a closed message box leaves to nobody here,
    // with no window manager to hand it back.
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_H);
    const bool shown = QTest::qWaitFor([this] { return form->HintTarget() >= 0; }, 60000);
    std::smatch left;
    const std::string said = form->HintMovesText().toStdString();
    if (!shown || !std::regex_match(said, left, std::regex("あと (\\d+) 手"))) return -1;
    return std::stoi(left[1]);
  }
  std::vector<std::string> messages;
};

TEST_F(HintTest, FollowedToTheEndItSolvesEachStageInItsParAndKeepsNoRecord) {
  OpenDelivered();
  form->StartPreparedStages();
  for (int stage = 1; stage <= 6; ++stage) {
    const std::string par = form->Label(7)->toolTip().toStdString();
    int left = AskHint();
    ASSERT_GT(left, 0) << "stage " << stage;
    EXPECT_EQ(par, text::ParToolTip(left));
    int played = 0;
    while (game->View().takesMoves) {
      const int target = form->HintTarget();
      ASSERT_GE(target, 0);
      QTest::mouseClick(form->Targets().Widget(target), Qt::LeftButton);
      ++played;
      EXPECT_EQ(form->HintTarget(), -1) << "the click leaves the hint behind";
      EXPECT_EQ(form->HintMovesText(), "");
      if (!game->View().takesMoves) break;
      const int now = AskHint();
      ASSERT_EQ(now, left - 1) << "stage " << stage << " after " << played << " moves";
      left = now;
    }
    EXPECT_EQ(left, 1);
    EXPECT_EQ(text::ParToolTip(played), par);
    EXPECT_EQ(game->View().moveCount, 0);  // the solve is over
    // Only a start command wakes a completed board; then on to the next stage.
    form->StartPreparedStages();
    for (int step = 0; step < stage; ++step) QTest::mouseClick(form->Label(8, 1), Qt::LeftButton);
  }
  EXPECT_EQ(messages, std::vector<std::string>(6, text::kHintNotRecorded));
  EXPECT_EQ(ReadFile("BEST1.txt"), "");
}

TEST_F(HintTest, OutsideAStageTheKeyDoesNothingAndTheTablesAreNotTouched) {
  OpenDelivered();
  QTest::keyClick(form.get(), Qt::Key_H);
  QTest::qWait(50);
  EXPECT_EQ(form->HintTarget(), -1);
  EXPECT_FALSE(std::filesystem::exists(folder / "tables"));
}

}  // namespace
}  // namespace kelvora::testing
