// Threads kept for a whole run of searches, each round of work handed to all of them at once.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace kelvora::solver {

// A search shares dozens of rounds among its threads. Starting threads for each would cost
// little on Linux, but a few milliseconds a thread under wine and a noticeable share of a short
// round on Windows; the team's helpers start once and wait between rounds.
class ThreadTeam {
 public:
  // helpers: the threads besides the caller's, started at the first Run.
  explicit ThreadTeam(int helpers) : wanted_(helpers) {}
  ~ThreadTeam();
  ThreadTeam(const ThreadTeam&) = delete;
  ThreadTeam& operator=(const ThreadTeam&) = delete;

  // Runs job on every helper and on the calling thread, and returns once all of them are done,
  // rethrowing the first exception any of them threw. A helper the system will not start leaves
  // the work to those that did.
  void Run(const std::function<void()>& job);
  // The helpers that started.
  int Helpers() const { return static_cast<int>(helpers_.size()); }

 private:
  void Serve();
  // Runs job, keeping the first exception of the round in error_.
  void RunCatching(const std::function<void()>& job);

  int wanted_;
  bool started_ = false;
  std::vector<std::thread> helpers_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  // Guarded by mutex_: the job, which round it is, helpers still on it, the team's end, and the
  // round's first exception.
  const std::function<void()>* job_ = nullptr;
  std::uint64_t round_ = 0;
  int running_ = 0;
  bool stopping_ = false;
  std::exception_ptr error_;
};

}  // namespace kelvora::solver
