// The game folder's lock on POSIX systems: flock on a hidden file, and requests to come forward
// written into that same file, which the holder empties to answer.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "records/GameFolderLock.h"

namespace kelvora {

namespace {

constexpr const char* kLockFileName = ".kelvora-running";

}  // namespace

GameFolderLock::GameFolderLock(const std::string& programFolder)
    : path_(programFolder + kLockFileName) {}

GameFolderLock::~GameFolderLock() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

GameFolderLock::Outcome GameFolderLock::Acquire() {
  if (handle_ >= 0) return Outcome::kHeld;
  int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  // A folder the player cannot write to may still hold the lock file of an earlier run.
  if (fd < 0) fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Outcome::kUnavailable;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return taken ? Outcome::kHeldByAnotherCopy : Outcome::kUnavailable;
  }
  handle_ = fd;
  // A request left unanswered by a copy that died is no request to this one.
  (void)::ftruncate(static_cast<int>(handle_), 0);
  return Outcome::kHeld;
}

bool GameFolderLock::AskHolderToComeForward(std::chrono::milliseconds patience) {
  const int fd = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  const bool asked = ::write(fd, "1", 1) == 1;
  ::close(fd);
  if (!asked) return false;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    struct stat status {};
    if (::stat(path_.c_str(), &status) == 0 && status.st_size == 0) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

bool GameFolderLock::TakeComeForwardRequest() {
  if (handle_ < 0) return false;
  struct stat status {};
  const int fd = static_cast<int>(handle_);
  if (::fstat(fd, &status) != 0 || status.st_size == 0) return false;
  return ::ftruncate(fd, 0) == 0;
}

}  // namespace kelvora
