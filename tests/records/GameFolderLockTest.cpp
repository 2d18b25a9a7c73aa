// One copy of the game per folder, tried with two real processes: the second copy is refused and
// can call the first forward, and a copy that died leaves no lock behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <thread>

#include "records/GameFolderLock.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

TEST(GameFolderLock, OneCopyPerFolderAndNoneAfterItDies) {
  const fs::path folder =
      fs::temp_directory_path() / ("kelvora-lock-" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string programFolder = folder.string() + "/";
  int ready[2];
  int go[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(go), 0);
  const pid_t first = fork();
  ASSERT_GE(first, 0);
  if (first == 0) {
    GameFolderLock lock(programFolder);
    const char held = lock.Acquire() == GameFolderLock::Outcome::kHeld ? 'y' : 'n';
    (void)!write(ready[1], &held, 1);
    // Busy until told otherwise, like a copy still in its start-up; then answers requests.
    char byte = 0;
    (void)!read(go[0], &byte, 1);
    for (;;) {
      lock.TakeComeForwardRequest();
      std::this_thread::sleep_for(5ms);
    }
  }
  char held = 0;
  ASSERT_EQ(read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 'y');

  GameFolderLock second(programFolder);
  EXPECT_EQ(second.Acquire(), GameFolderLock::Outcome::kHeldByAnotherCopy);
  EXPECT_FALSE(second.AskHolderToComeForward(100ms));
  (void)!write(go[1], "g", 1);
  EXPECT_TRUE(second.AskHolderToComeForward(5s));

  kill(first, SIGKILL);
  waitpid(first, nullptr, 0);
  EXPECT_EQ(second.Acquire(), GameFolderLock::Outcome::kHeld);
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kelvora
