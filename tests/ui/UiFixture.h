// The real main window over data files in a temporary folder, the moves played on it by clicks,
// and helpers for modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string_view>

#include "core/Move.h"
#include "game/Kelvora.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/GameFixture.h"
#include "ui/Form1.h"

namespace kelvora::testing {

// How many WhenModalOpens still wait for their window.
inline int& ModalWatches() {
  static int watches = 0;
  return watches;
}

// Runs `inspect` on the next modal window that opens, then closes it. The game's modal windows
// return at once; AwaitModals() lets the watched ones open and close.
inline void WhenModalOpens(std::function<void(QWidget*)> inspect) {
  auto timer = std::make_shared<QTimer>();
  timer->setInterval(5);
  ++ModalWatches();
  QObject::connect(timer.get(), &QTimer::timeout, [timer, inspect]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      inspect(modal);
      modal->close();
      --ModalWatches();
    }
  });
  timer->start();
}

// Waits until every watched modal window has come and gone.
inline void AwaitModals() {
  EXPECT_TRUE(QTest::qWaitFor([] { return ModalWatches() == 0; }, 10000))
      << "a modal window that was watched for never opened";
  QTest::qWait(1);
}

class UiFixture : public ::testing::Test {
 protected:
  ~UiFixture() override { form.reset(); }

  // Lays out a stage file (no record files: a first run) and opens the window on it.
  void Open(const std::vector<Position>& stages = {StageSolvedByM(), StageSolvedByS()},
            FileStore* store = nullptr) {
    WriteFile("MENDATA1.txt", StageFileText(stages));
    OpenOnFolder(store);
  }

  // Opens the window on the data files already in the folder, made as the program makes it.
  void OpenOnFolder(FileStore* store = nullptr) { OpenOnFolder(store, random); }
  void OpenOnFolder(FileStore* store, RandomSource& generator) {
    form.reset();  // before the files its game keeps
    files = std::make_unique<RecordFiles>(store != nullptr ? *store : diskStore, folder.string());
    OpenWith([&](Screen& window) { return std::make_unique<Kelvora>(window, generator, *files); });
  }
  // The same with a game of the test's making (over files, once OpenOnFolder made them).
  void OpenWith(const ui::Form1::GameMaker& makeGame) {
    form.reset();
    form = std::make_unique<ui::Form1>([this] { ++endRequests; }, makeGame);
    game = &form->Game();
    ASSERT_TRUE(game->Start().ok());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  void WriteFile(const std::string& name, const std::string& text) { disk.Write(name, text); }
  std::string ReadFile(const std::string& name) { return DiskFolder::Contents(disk.Path(name)); }

  // Plays move letters (A-P the tiles, Q-T the arrows, core/Move.h) by clicking, as a player
  // does, the tile box or arrow of each: Image1(0..15) and Label2(0..3) in letter order.
  void Play(std::string_view letters) {
    for (char letter : letters) Play(letter);
  }
  void Play(char letter) {
    ASSERT_TRUE(Move::FromLetter(letter).has_value()) << letter;
    if (letter < 'Q') {
      ClickTile(letter - 'A');
    } else {
      ClickArrow(letter - 'Q');
    }
  }
  void ClickTile(int index) { QTest::mouseClick(form->Image1(index), Qt::LeftButton); }
  void ClickArrow(int index) { QTest::mouseClick(form->Label(2, index), Qt::LeftButton); }

  DiskFolder disk{"ui"};
  const std::filesystem::path folder = disk.path;
  ScriptedRandom random;
  DiskFileStore diskStore;
  std::unique_ptr<RecordFiles> files;
  std::unique_ptr<ui::Form1> form;
  // The window's game.
  Kelvora* game = nullptr;
  int endRequests = 0;
};

}  // namespace kelvora::testing
