// Helpers that wait on a condition variable for the next round.
#include "solver/ThreadTeam.h"

#include <system_error>

namespace kelvora::solver {

ThreadTeam::~ThreadTeam() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& helper : helpers_) helper.join();
}

void ThreadTeam::Run(const std::function<void()>& job) {
  if (!started_) {
    started_ = true;
    // Reserved first, since a thread left running when the vector cannot grow would end the
    // program.
    helpers_.reserve(static_cast<std::size_t>(wanted_));
    for (int h = 0; h < wanted_; ++h) {
      try {
        helpers_.emplace_back([this] { Serve(); });
      } catch (const std::system_error&) {
        break;
      }
    }
  }
  {
    const std::lock_guard lock(mutex_);
    job_ = &job;
    ++round_;
    running_ = Helpers();
  }
  wake_.notify_all();
  job();
  std::unique_lock lock(mutex_);
  done_.wait(lock, [this] { return running_ == 0; });
  job_ = nullptr;
}

void ThreadTeam::Serve() {
  std::uint64_t served = 0;
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopping_ || round_ != served; });
    if (stopping_) return;
    served = round_;
    const std::function<void()>* job = job_;
    lock.unlock();
    (*job)();
    lock.lock();
    if (--running_ == 0) done_.notify_one();
  }
}

}  // namespace kelvora::solver
