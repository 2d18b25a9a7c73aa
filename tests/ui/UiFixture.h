// The real main window over data files in a temporary folder, and helpers for modal windows.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "game/Kelvora.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "tests/support/GameFixture.h"
#include "ui/Form1.h"

namespace kelvora::testing {

// Runs `inspect` on the next modal window that opens, then closes it.
inline void WhenModalOpens(std::function<void(QWidget*)> inspect) {
  auto timer = std::make_shared<QTimer>();
  timer->setInterval(5);
  QObject::connect(timer.get(), &QTimer::timeout, [timer, inspect]() mutable {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      timer->stop();
      inspect(modal);
      modal->close();
    }
  });
  timer->start();
}

class UiFixture : public ::testing::Test {
 protected:
  UiFixture() {
    folder = std::filesystem::temp_directory_path() /
             ("kelvora-ui-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  ~UiFixture() override {
    game.reset();
    form.reset();
    std::filesystem::remove_all(folder);
  }

  // Lays out a stage file (no record files: a first run) and opens the window on it.
  void Open(const std::vector<Position>& stages = {StageSolvedByM(), StageSolvedByS()},
            FileStore* store = nullptr) {
    WriteFile("MENDATA1.txt", StageFileText(stages));
    OpenOnFolder(store);
  }

  // Opens the window on the data files already in the folder, wired as the program wires it.
  void OpenOnFolder(FileStore* store = nullptr) { OpenOnFolder(store, random); }
  void OpenOnFolder(FileStore* store, RandomSource& generator) {
    files = std::make_unique<RecordFiles>(store != nullptr ? *store : diskStore, folder.string());
    form = std::make_unique<ui::Form1>([this] { ++endRequests; });
    game = std::make_unique<Kelvora>(*form, generator, *files);
    form->ForwardTo(*game);
    game->Start();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
  }
  std::string ReadFile(const std::string& name) {
    std::ifstream in(folder / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  void ClickTile(int index) { QTest::mouseClick(form->Image1(index), Qt::LeftButton); }
  void ClickArrow(int index) { QTest::mouseClick(form->Label(2, index), Qt::LeftButton); }

  std::filesystem::path folder;
  ScriptedRandom random;
  DiskFileStore diskStore;
  std::unique_ptr<RecordFiles> files;
  std::unique_ptr<ui::Form1> form;
  std::unique_ptr<Kelvora> game;
  int endRequests = 0;
};

}  // namespace kelvora::testing
