// The program's start: the platform it asks Qt for, and one copy per game folder, tried with the
// real program in several processes.
#include <gtest/gtest.h>

#include <QProcess>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>

#include "platform/FolderLock.h"
#include "records/ProgramFolder.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/GameFixture.h"
#include "ui/DisplayPlatform.h"

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::optional<std::string> PlatformFor(const std::map<std::string, std::string>& environment) {
  return ui::PlatformToAskFor([&](const char* name) -> std::optional<std::string> {
    auto it = environment.find(name);
    return it == environment.end() ? std::nullopt : std::optional<std::string>(it->second);
  });
}

TEST(StartUp, GoesThroughXWaylandWhereItCanUnlessThePlayerChose) {
  EXPECT_EQ(PlatformFor({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}), "xcb");
  EXPECT_EQ(PlatformFor({{"WAYLAND_DISPLAY", "wayland-0"}}), std::nullopt);
  EXPECT_EQ(PlatformFor({{"DISPLAY", ":0"}}), std::nullopt);
  EXPECT_EQ(
      PlatformFor(
          {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}),
      std::nullopt);
}

class SingleCopy : public ::testing::Test {
 protected:
  SingleCopy() {
    // The game's folder is where the program is: a copy of the program of the test's own.
    fs::copy_file(KELVORA_GAME, folder / "kelvora");
    disk.Write("MENDATA1.txt", StageFileText({StageSolvedByM()}));
  }
  ~SingleCopy() override {
    for (QProcess* copy : copies) {
      copy->kill();
      copy->waitForFinished();
      delete copy;
    }
  }

  QProcess* Start() {
    auto* copy = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    copy->setProcessEnvironment(environment);
    copy->start(QString::fromStdString((folder / "kelvora").string()), {});
    EXPECT_TRUE(copy->waitForStarted());
    copies.push_back(copy);
    return copy;
  }

  // A copy answering a call to come forward holds the lock and has its window up. Asking does
  // not take the lock, so the test cannot steal it from a copy still starting.
  bool SomeCopyAnswers() {
    platform::FolderLock asker(FolderWithSeparator(Utf8FromPath(folder)));
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (asker.AskHolderToComeForward(100ms)) return true;
      // Before the first copy has made the lock file there is nothing to ask through.
      std::this_thread::sleep_for(50ms);
    }
    return false;
  }

  DiskFolder disk{"copies"};
  const fs::path folder = disk.path;
  std::vector<QProcess*> copies;
};

TEST_F(SingleCopy, ASecondCopyCallsTheFirstForwardAndADeadCopyLeavesNoLock) {
  std::ofstream(folder / ".BEST1.txt.saving-Ab12Cd") << "1\r\n";
  QProcess* first = Start();
  ASSERT_TRUE(SomeCopyAnswers());
  // The first copy, alone in the folder, cleared what an interrupted save had left.
  EXPECT_FALSE(fs::exists(folder / ".BEST1.txt.saving-Ab12Cd"));

  QProcess* second = Start();
  ASSERT_TRUE(second->waitForFinished(10000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(first->state(), QProcess::Running);

  first->kill();
  ASSERT_TRUE(first->waitForFinished());
  QProcess* third = Start();
  EXPECT_TRUE(SomeCopyAnswers());
  EXPECT_EQ(third->state(), QProcess::Running);
}

}  // namespace
}  // namespace kelvora::testing
