// The folder lock's outcomes and the wait for an answer, the same on every system.
#include "platform/FolderLock.h"

#include <filesystem>
#include <thread>

#include "text/Utf8Path.h"

namespace kelvora::platform {

namespace {

constexpr const char* kRequestFileName = ".kelvora-running";

}  // namespace

FolderLock::FolderLock(const std::string& folder, System& system)
    : system_(system), folder_(folder), path_(folder + kRequestFileName) {}

FolderLock::Outcome FolderLock::Acquire() {
  if (held_) return Outcome::kHeld;
  Result<std::unique_ptr<HeldLock>> lock = system_.LockFolder(folder_, path_);
  if (!lock) {
    return lock.status().code() == Status::Code::kBusy ? Outcome::kHeldByAnotherCopy
                                                       : Outcome::kUnavailable;
  }
  held_ = std::move(*lock);
  return Outcome::kHeld;
}

bool FolderLock::AskHolderToComeForward(std::chrono::milliseconds patience) {
  if (!system_.AskToComeForward(path_)) return false;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code error;
    if (std::filesystem::file_size(PathFromUtf8(path_), error) == 0 && !error) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

bool FolderLock::TakeComeForwardRequest() {
  return held_ && held_->TakeRequest();
}

}  // namespace kelvora::platform
