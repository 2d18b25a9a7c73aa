// A system with threads has no hint worker: the hint works on a thread of its own.
#include "ui/HintWorker.h"

namespace kelvora::ui {

std::unique_ptr<HintWorker> HintWorker::Make(Replies /*replies*/) {
  return nullptr;
}

}  // namespace kelvora::ui
