// Tests of the thread team: every round on every thread, over only when all are.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <new>
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

TEST(ThreadTeam, AnExceptionOnAnyThreadReachesTheCallerAndTheTeamGoesOn) {
  ThreadTeam team(2);
  std::atomic<int> finished{0};
  team.Run([&] { ++finished; });  // starts the helpers
  const std::thread::id caller = std::this_thread::get_id();
  const auto throwOn = [&](bool helpers) {
    team.Run([&] {
      if ((std::this_thread::get_id() != caller) == helpers) throw std::bad_alloc();
    });
  };
  // On the helpers where they started (else on the caller), then on the caller.
  EXPECT_THROW(throwOn(team.Helpers() > 0), std::bad_alloc);
  EXPECT_THROW(throwOn(false), std::bad_alloc);
  team.Run([&] { ++finished; });
  EXPECT_EQ(finished.load(), 2 * (team.Helpers() + 1));
}

}  // namespace
}  // namespace kelvora::solver
