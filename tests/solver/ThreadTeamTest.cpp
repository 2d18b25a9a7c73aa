// Tests of the thread team: every round on every thread, over only when all are.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "solver/ThreadTeam.h"
#include "tests/support/SystemLacks.h"

namespace kelvora::solver {
namespace {

TEST(ThreadTeam, EachRoundRunsOnEveryThreadAndEndsWithTheSlowest) {
  { const ThreadTeam unused(3); }  // a team that never ran ends without waiting for anything
  ThreadTeam team(3);
  std::atomic<int> finished{0};
  std::mutex idsGuard;
  std::set<std::thread::id> ids;
  const std::thread::id caller = std::this_thread::get_id();
  for (int round = 1; round <= 30; ++round) {
    team.Run([&] {
      {
        const std::lock_guard lock(idsGuard);
        ids.insert(std::this_thread::get_id());
      }
      // The caller's share ends first, so a Run that did not wait for the helpers returns early.
      if (std::this_thread::get_id() != caller) {
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
      ++finished;
    });
    // Where no helper starts, the caller does every round alone.
    ASSERT_EQ(finished.load(), (team.Helpers() + 1) * round) << "round " << round;
  }
  EXPECT_EQ(ids.size(), static_cast<std::size_t>(team.Helpers() + 1));
  KELVORA_SKIP_WHERE_SYSTEM_LACKS(kThreads);
  EXPECT_EQ(team.Helpers(), 3);
}

}  // namespace
}  // namespace kelvora::solver
