// One copy of the game per game folder: each copy keeps its records in memory and saves them
// whole, so a second copy on the same files would overwrite the first one's new records with
// its older ones. The copy that starts first locks the folder, which the system lets go when that
// copy ends, however it ends; deleting any file in the folder does not undo it.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/System.h"

namespace kelvora::platform {

class FolderLock {
 public:
  enum class Outcome {
    kHeld,               // this copy is the only one
    kHeldByAnotherCopy,  // another copy plays this folder's records
    kUnavailable,        // no lock can be had here: nothing keeps a second copy out
  };

  // folder: the game folder with its trailing separator.
  explicit FolderLock(const std::string& folder, System& system = System::Default());

  Outcome Acquire();

  // For a copy that found the lock taken: asks the copy holding it to bring its window to the
  // front, and waits up to `patience` for its answer. False when none came (that copy may be
  // stuck in its start-up, or the request could not be made).
  bool AskHolderToComeForward(std::chrono::milliseconds patience);

  // For the copy holding the lock: whether another copy has asked since the last call. The
  // request is answered by being taken.
  bool TakeComeForwardRequest();

  // The file the requests are written to, for the window to watch.
  const std::string& Path() const { return path_; }

 private:
  System& system_;
  std::string folder_;
  std::string path_;
  std::unique_ptr<HeldLock> held_;
};

}  // namespace kelvora::platform
