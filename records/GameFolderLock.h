// One copy of the game per game folder: each copy keeps its records in memory and saves them
// whole, so a second copy on the same files would overwrite the first one's new records with
// its older ones. The copy that starts first holds a lock on a file in the folder, which the
// system lets go when that copy ends, however it ends.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace kelvora {

class GameFolderLock {
 public:
  enum class Outcome {
    kHeld,               // this copy is the only one
    kHeldByAnotherCopy,  // another copy plays this folder's records
    kUnavailable,        // no lock can be taken here (a read-only folder): nothing can be saved
  };

  // programFolder: the game folder with its trailing separator.
  explicit GameFolderLock(const std::string& programFolder);
  ~GameFolderLock();
  GameFolderLock(const GameFolderLock&) = delete;
  GameFolderLock& operator=(const GameFolderLock&) = delete;

  Outcome Acquire();

  // For a copy that found the lock taken: asks the copy holding it to bring its window to the
  // front, and waits up to `patience` for its answer. False when none came (that copy may be
  // stuck in its start-up, or the request could not be made).
  bool AskHolderToComeForward(std::chrono::milliseconds patience);

  // For the copy holding the lock: whether another copy has asked since the last call. The
  // request is answered by being taken.
  bool TakeComeForwardRequest();

  // The lock file, for the window to watch for requests.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  // The open lock file: a file descriptor, or a Windows file handle; -1 while not held.
  std::intptr_t handle_ = -1;
};

}  // namespace kelvora
