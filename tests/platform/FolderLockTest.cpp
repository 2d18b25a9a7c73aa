// One copy of the game per folder, tried with two real processes: the second copy is refused and
// can call the first forward, deleting the request file lets no second copy in, and a copy that
// died leaves no lock behind.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/FolderLock.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/FailingSystem.h"

namespace kelvora::platform {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::DiskFolder;

// The folder with its trailing separator, as the game names it.
std::string GameFolder(const std::string& folder) {
  return Utf8FromPath(PathFromUtf8(folder) / "");
}

// Waits for a file another process writes; its text, or nothing if none came within a minute
// (a process starts slowly under an emulator).
std::string AwaitFile(const std::string& path) {
  for (const auto deadline = std::chrono::steady_clock::now() + 60s;
       std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(10ms)) {
    const std::string text = DiskFolder::Contents(path);
    if (!text.empty()) return text;
  }
  return {};
}

// The first copy: takes the lock and says whether it got it, then stays busy until told to go
// on, like a copy still in its start-up, and then answers requests until it is killed.
[[noreturn]] void HoldTheLock(const std::string& folder) {
  FolderLock lock(GameFolder(folder));
  const bool held = lock.Acquire() == FolderLock::Outcome::kHeld;
  std::ofstream(PathFromUtf8(folder) / "held", std::ios::binary) << (held ? "y" : "n");
  if (AwaitFile(Utf8FromPath(PathFromUtf8(folder) / "go")).empty()) std::_Exit(1);
  for (;;) {
    lock.TakeComeForwardRequest();
    std::this_thread::sleep_for(5ms);
  }
}

// The first copy started in a process of its own, once it holds the lock.
ChildProcess StartFirstCopy(const DiskFolder& folder) {
  ChildProcess first = ChildProcess::StartPart({folder.Text()});
  EXPECT_TRUE(first.Started());
  EXPECT_EQ(AwaitFile(folder.Path("held")), "y");
  return first;
}

TEST(FolderLock, OneCopyPerFolderAndNoneAfterItDies) {
  if (const std::vector<std::string> part = testing::ChildPart(); !part.empty()) {
    HoldTheLock(part.at(0));
  }
  const DiskFolder folder("lock");
  ChildProcess first = StartFirstCopy(folder);
  ASSERT_FALSE(HasFailure());

  FolderLock second(GameFolder(folder.Text()));
  EXPECT_EQ(second.Acquire(), FolderLock::Outcome::kHeldByAnotherCopy);
  EXPECT_FALSE(second.AskHolderToComeForward(100ms));
  folder.Write("go", "g");
  EXPECT_TRUE(second.AskHolderToComeForward(5s));

  first.Kill();
  EXPECT_EQ(first.Wait(), ChildProcess::kKilled);
  EXPECT_EQ(second.Acquire(), FolderLock::Outcome::kHeld);
}

// The request file is only where requests go: a player (or a cleaning tool) deleting it while a
// copy runs must not let a second copy onto the same records. Windows refuses the delete.
TEST(FolderLock, DeletingTheRequestFileLetsNoSecondCopyIn) {
  if (const std::vector<std::string> part = testing::ChildPart(); !part.empty()) {
    HoldTheLock(part.at(0));
  }
  const DiskFolder folder("lock");
  ChildProcess first = StartFirstCopy(folder);
  ASSERT_FALSE(HasFailure());

  FolderLock second(GameFolder(folder.Text()));
  std::error_code refused;
  fs::remove(folder.path / ".kelvora-running", refused);
  EXPECT_EQ(second.Acquire(), FolderLock::Outcome::kHeldByAnotherCopy);
  first.Kill();
  EXPECT_EQ(first.Wait(), ChildProcess::kKilled);
}

TEST(FolderLock, AFolderThatTakesNoLockIsToldApart) {
  const DiskFolder folder("lock");
  testing::FailingSystem system(testing::FailingSystem::Step::kLockFolder, 0);
  FolderLock lock(GameFolder(folder.Text()), system);
  EXPECT_EQ(lock.Acquire(), FolderLock::Outcome::kUnavailable);
  EXPECT_FALSE(lock.TakeComeForwardRequest());
  system.armed = false;
  EXPECT_EQ(lock.Acquire(), FolderLock::Outcome::kHeld);
}

}  // namespace
}  // namespace kelvora::platform
