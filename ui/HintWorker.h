// The hint's work in a program of its own beside the window, where the system runs no threads
// (a browser page, whose Web Worker it is).
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "core/Position.h"
#include "solver/HintSource.h"

namespace kelvora::ui {

class HintWorker {
 public:
  // Each called on the window's thread, from its event loop, never from within Ask or Cancel.
  struct Replies {
    // How much of the tables' build is done, 0 to 1: a build is under way.
    std::function<void(double)> progress;
    // The question's answer: the next move, nothing at the goal.
    std::function<void(std::optional<solver::Hint>)> answered;
    // The question could not be answered (memory, the worker's program would not start or
    // stopped); the next question tries afresh.
    std::function<void()> failed;
  };

  // nullptr where the system has none: the work runs on a thread there.
  static std::unique_ptr<HintWorker> Make(Replies replies);

  virtual ~HintWorker() = default;
  // One question at a time: the next only once this one is answered, failed or cancelled.
  virtual void Ask(const Position& position) = 0;
  // Drops the question being worked on, and the tables with it: nothing more comes of it.
  virtual void Cancel() = 0;
};

}  // namespace kelvora::ui
