// The hint on the real window: framed where a click plays it, gone after the click, and,
// followed to the end, a solve in exactly the stage's par that keeps no record; and what the
// window does when the hint's work fails, dawdles, is overtaken or finishes under another window.
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <new>
#include <regex>
#include <system_error>
#include <thread>

#include "solver/HintSolver.h"
#include "solver/PatternSets.h"
#include "solver/Solver.h"
#include "tests/ui/UiFixture.h"
#include "text/GameText.h"
#include "ui/Form2.h"

namespace kelvora::testing {
namespace {

// What the test's hint source does, shared between the test and the source the window owns.
struct HintScript {
  // Runs in Prepare, on the worker; may throw.
  std::function<void()> prepare = [] {};
  // Prepare builds (reports progress) until cancelled, this many times more.
  std::atomic<int> buildsUntilCancelled{0};
  // Next waits while this is false (or until cancelled).
  std::atomic<bool> open{true};
  bool failNext = false;
  solver::Hint hint{ui::BoardTargets::TileTarget(0), 7};
  std::mutex mutex;
  std::vector<Position> asked;
};

class ScriptedHints final : public solver::HintSource {
 public:
  explicit ScriptedHints(std::shared_ptr<HintScript> script) : script_(std::move(script)) {}
  bool Prepare(const std::function<void(double)>& progress,
               const std::atomic<bool>& cancel) override {
    script_->prepare();
    if (script_->buildsUntilCancelled == 0) return true;
    --script_->buildsUntilCancelled;
    while (!cancel) {
      progress(0.5);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }
  std::optional<solver::Hint> Next(const Position& position,
                                   const std::atomic<bool>& cancel) override {
    {
      const std::lock_guard<std::mutex> lock(script_->mutex);
      script_->asked.push_back(position);
    }
    while (!script_->open) {
      if (cancel) throw solver::SearchCancelled();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (script_->failNext) throw std::bad_alloc();
    return script_->hint;
  }

 private:
  std::shared_ptr<HintScript> script_;
};

// The object names of the widgets shown while it is installed.
class ShownWidgets : public QObject {
 public:
  ShownWidgets() { QApplication::instance()->installEventFilter(this); }
  ~ShownWidgets() override { QApplication::instance()->removeEventFilter(this); }
  bool Saw(const QString& name) const { return names.contains(name); }
  QStringList names;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) names << watched->objectName();
    return false;
  }
};

class HintTest : public UiFixture {
 protected:
  // The delivered stages, and small tables cached in the test's folder: exact, and quick near
  // the goal, where the first stages are.
  void OpenDelivered() {
    std::filesystem::copy_file(std::filesystem::path(KELVORA_DELIVERED_DATA) / "MENDATA1.txt",
                               folder / "MENDATA1.txt",
                               std::filesystem::copy_options::skip_existing);
    OpenOnFolder();
    const std::string tables = (folder / "tables").string();
    form->UseHintSource([tables] {
      return std::make_unique<solver::HintSolver>(tables, solver::TableSize::Small);
    });
  }
  // The test's stages, hinted by script.
  void OpenScripted() {
    Open();
    form->UseHintSource([this] { return std::make_unique<ScriptedHints>(script); });
    form->StartPreparedStages();
  }
  void PressH() {
    // The key goes to the active window, which a closed message box leaves to nobody here,
    // with no window manager to hand it back.
    QApplication::setActiveWindow(form.get());
    QTest::keyClick(form.get(), Qt::Key_H);
  }
  // Closes every message box that comes up, keeping its text.
  void CloseMessages() {
    closer.disconnect();
    QObject::connect(&closer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        messages.push_back(box->text().toStdString());
        box->close();
      }
    });
    closer.start(5);
  }
  bool HintShown(int milliseconds = 60000) {
    return QTest::qWaitFor([this] { return form->Hint().Target() >= 0; }, milliseconds);
  }
  // Asks by the plain key, closing the message the stage's first hint brings; the moves the
  // hint says are left, or -1 when none came.
  int AskHint() {
    // The message comes in a modal box that returns at once: a timer closes it, and the next key
    // must not reach a window it still blocks.
    CloseMessages();
    PressH();
    const bool shown = HintShown();
    EXPECT_TRUE(
        QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 10000));
    std::smatch left;
    const std::string said = form->Hint().MovesText().toStdString();
    if (!shown || !std::regex_match(said, left, std::regex("あと (\\d+) 手"))) return -1;
    return std::stoi(left[1]);
  }
  std::vector<std::string> messages;
  QTimer closer;
  std::shared_ptr<HintScript> script = std::make_shared<HintScript>();
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
      const int target = form->Hint().Target();
      ASSERT_GE(target, 0);
      Play(Move::FromIndex(target).Letter());
      ++played;
      EXPECT_EQ(form->Hint().Target(), -1) << "the click leaves the hint behind";
      EXPECT_EQ(form->Hint().MovesText(), "");
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
  EXPECT_EQ(form->Hint().Target(), -1);
  EXPECT_FALSE(std::filesystem::exists(folder / "tables"));
}

// Out of memory for the tables or the search, or no thread for a builder: the player is told,
// and plays on.
TEST_F(HintTest, AFailureOfTheHintsWorkIsToldAndTheGameGoesOn) {
  const std::vector<std::function<void(HintScript&)>> failures = {
      [](HintScript& s) { s.prepare = [] { throw std::bad_alloc(); }; },
      [](HintScript& s) {
        s.prepare = [] {
          throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
        };
      },
      [](HintScript& s) { s.failNext = true; },
  };
  for (std::size_t f = 0; f < failures.size(); ++f) {
    script = std::make_shared<HintScript>();
    failures[f](*script);
    OpenScripted();
    messages.clear();
    CloseMessages();
    PressH();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !messages.empty(); }, 10000)) << "failure " << f;
    EXPECT_EQ(messages, std::vector<std::string>{text::kHintTablesFailed}) << "failure " << f;
    EXPECT_EQ(form->Hint().Target(), -1);
    Play("M");
    EXPECT_FALSE(game->View().takesMoves) << "the stage is solved by M after all";
  }
}

TEST_F(HintTest, TheNewestQuestionIsAnsweredWhenThePlayerMovedWhileTheLastWasWorkedOn) {
  OpenScripted();
  script->open = false;
  CloseMessages();
  PressH();
  ASSERT_TRUE(QTest::qWaitFor([this] {
    const std::lock_guard<std::mutex> lock(script->mutex);
    return script->asked.size() == 1;
  }));
  Play("Q");
  const Position moved = game->View().board;
  PressH();
  script->open = true;
  ASSERT_TRUE(HintShown(10000)) << "the question asked on the new board is answered";
  EXPECT_EQ(form->Hint().Target(), script->hint.move);
  const std::lock_guard<std::mutex> lock(script->mutex);
  ASSERT_EQ(script->asked.size(), 2u);
  EXPECT_EQ(script->asked.back(), moved);
}

// A player who asked for a hint once finds the next stages worked out before asking; one who
// never asked has nothing read for them, and work begun unasked that fails tells no one.
TEST_F(HintTest, AfterAFirstHintEachNewStageIsWorkedOutUnasked) {
  const auto asked = [this] {
    const std::lock_guard<std::mutex> lock(script->mutex);
    return script->asked;
  };
  OpenScripted();
  form->StartRandomStage();
  QTest::qWait(50);
  EXPECT_TRUE(asked().empty());

  ASSERT_EQ(AskHint(), script->hint.movesLeft);
  form->StartRandomStage();
  const Position fresh = game->View().board;
  ASSERT_TRUE(QTest::qWaitFor([&] { return asked().size() == 2; }, 10000));
  EXPECT_EQ(asked().back(), fresh);
  EXPECT_EQ(AskHint(), script->hint.movesLeft);
  EXPECT_EQ(asked().size(), 2u) << "the hint comes from the work done unasked";

  messages.clear();
  script->failNext = true;
  form->StartRandomStage();
  ASSERT_TRUE(QTest::qWaitFor([&] { return asked().size() == 3; }, 10000));
  QTest::qWait(100);
  EXPECT_TRUE(messages.empty());
  script->failNext = false;
  EXPECT_EQ(AskHint(), script->hint.movesLeft);
}

TEST_F(HintTest, AnAnswerThatComesWhileTheRulesAreOpenWaitsForThemToClose) {
  OpenScripted();
  script->open = false;
  CloseMessages();
  PressH();
  bool hiddenBehindRules = false;
  WhenModalOpens([&](QWidget* rules) {
    ASSERT_NE(qobject_cast<ui::Form2*>(rules), nullptr);
    script->open = true;
    // Long enough for the answer to come many times over.
    QTest::qWait(300);
    hiddenBehindRules = form->Hint().Target() == -1;
  });
  form->ShowRules();
  AwaitModals();
  EXPECT_TRUE(hiddenBehindRules);
  EXPECT_TRUE(HintShown(10000)) << "shown once the rules are closed";
}

TEST_F(HintTest, ABuildCancelledInItsDialogShowsNothingAndTheNextHintTriesAgain) {
  script->buildsUntilCancelled = 1;
  OpenScripted();
  QString cancelled;
  // Closing the dialog is cancelling it.
  WhenModalOpens([&](QWidget* dialog) { cancelled = dialog->objectName(); });
  PressH();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !cancelled.isEmpty(); }, 10000));
  EXPECT_EQ(cancelled, QStringLiteral("ヒント準備"));
  QTest::qWait(100);
  EXPECT_EQ(form->Hint().Target(), -1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no message either";
  CloseMessages();
  PressH();
  EXPECT_TRUE(HintShown(10000));
}

// A table whose header is sound but whose data fails its checksum is built again, and the
// player sees that happen and may cancel it.
TEST_F(HintTest, ADamagedTableIsRebuiltBehindTheProgressDialog) {
  OpenDelivered();
  form->StartPreparedStages();
  ASSERT_GT(AskHint(), 0);
  form.reset();
  int damaged = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder / "tables")) {
    std::fstream file(entry.path(), std::ios::binary | std::ios::in | std::ios::out);
    file.seekg(100);
    const char byte = static_cast<char>(file.get());
    file.seekp(100);
    file.put(static_cast<char>(byte ^ 0x5a));
    ++damaged;
  }
  ASSERT_GT(damaged, 0);

  OpenDelivered();
  form->StartPreparedStages();
  ShownWidgets shown;
  EXPECT_GT(AskHint(), 0);
  EXPECT_TRUE(shown.Saw(QStringLiteral("ヒント準備")));
}

// The first hint on the last delivered stage searches for many seconds with the small tables;
// the window does not wait for that search to end.
TEST_F(HintTest, ClosingTheWindowWhileTheHintSearchesEndsAtOnce) {
  OpenDelivered();
  form->StartPreparedStages();
  ASSERT_GT(AskHint(), 0);  // the tables are ready
  for (int step = 1; step < 30; ++step) QTest::mouseClick(form->Label(8, 1), Qt::LeftButton);
  ASSERT_EQ(form->Label(7)->text(), "第 30面");
  PressH();
  QTest::qWait(300);
  ASSERT_EQ(form->Hint().Target(), -1) << "still searching";
  const auto start = std::chrono::steady_clock::now();
  form.reset();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

}  // namespace
}  // namespace kelvora::testing
