// Helpers that wait on a condition variable for the next round.
#include "solver/ThreadTeam.h"

#include <exception>
#include <system_error>
#include <utility>

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
  RunCatching(job);
  std::unique_lock lock(mutex_);
  // The helpers still read job, the caller's, until they are done with it, whatever happened.
  done_.wait(lock, [this] { return running_ == 0; });
  job_ = nullptr;
  if (std::exception_ptr error = std::exchange(error_, nullptr)) std::rethrow_exception(error);
}

void ThreadTeam::RunCatching(const std::function<void()>& job) {
  try {
    job();
  } catch (...) {
    // std::bad_alloc too: on a helper an exception would end the program.
    const std::lock_guard lock(mutex_);
    if (!error_) error_ = std::current_exception();
  }
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
    RunCatching(*job);
    lock.lock();
    if (--running_ == 0) done_.notify_one();
  }
}

}  // namespace kelvora::solver
