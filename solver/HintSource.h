// What the game's hint asks of a solver: its tables made ready, then the next move from a board.
#pragma once

#include <atomic>
#include <functional>
#include <optional>

#include "core/Position.h"
#include "solver/MoveRules.h"

namespace kelvora::solver {

struct Hint {
  MoveIndex move;
  // Counts the hinted move itself.
  int movesLeft;
};

// The window works through this, so that what it does when the work fails or dawdles can be
// tried with a source that does either on purpose.
class HintSource {
 public:
  virtual ~HintSource() = default;

  // Makes the tables ready. progress(done, 0 to 1) is called from the calling thread only while
  // something is built, at least every half second: the first call says a wait has begun.
  // False as soon as cancel becomes true; true once the tables are ready.
  virtual bool Prepare(const std::function<void(double)>& progress,
                       const std::atomic<bool>& cancel) = 0;
  // The first move of a shortest solution from position and the length of that solution;
  // nullopt at the goal. Only after Prepare returned true. Throws SearchCancelled soon after
  // cancel becomes true.
  virtual std::optional<Hint> Next(const Position& position, const std::atomic<bool>& cancel) = 0;
  // Whether Prepare would find the tables made already, looking at no more than their headers:
  // work that is not worth a build asks first. A source that cannot tell says no.
  virtual bool TablesCached() const { return false; }
};

}  // namespace kelvora::solver
