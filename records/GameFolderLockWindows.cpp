// The game folder's lock on Windows: a byte range of a hidden file locked with LockFileEx, which
// the system lets go when the copy ends however it ends; requests to come forward are written
// into the same file, outside the locked range, and the holder empties it to answer.
#include <windows.h>

#include <thread>

#include "records/GameFolderLock.h"
#include "text/Utf8Path.h"

namespace kelvora {

namespace {

constexpr const char* kLockFileName = ".kelvora-running";
// Far past anything a request writes, so requests never touch the locked range.
constexpr DWORD kLockedOffset = 0x40000000;

HANDLE AsHandle(std::intptr_t handle) {
  return reinterpret_cast<HANDLE>(handle);
}

std::wstring Wide(const std::string& utf8) {
  return PathFromUtf8(utf8).wstring();
}

bool Empty(HANDLE file) {
  SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  return SetEndOfFile(file) != 0;
}

}  // namespace

GameFolderLock::GameFolderLock(const std::string& programFolder)
    : path_(programFolder + kLockFileName) {}

GameFolderLock::~GameFolderLock() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
}

GameFolderLock::Outcome GameFolderLock::Acquire() {
  if (handle_ != -1) return Outcome::kHeld;
  const std::wstring path = Wide(path_);
  constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
  // A folder the player cannot write to may still hold the lock file of an earlier run.
  if (file == INVALID_HANDLE_VALUE) {
    file = CreateFileW(path.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE) return Outcome::kUnavailable;
  OVERLAPPED where{};
  where.Offset = kLockedOffset;
  if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
    const bool taken = GetLastError() == ERROR_LOCK_VIOLATION;
    CloseHandle(file);
    return taken ? Outcome::kHeldByAnotherCopy : Outcome::kUnavailable;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
  // A request left unanswered by a copy that died is no request to this one.
  Empty(file);
  return Outcome::kHeld;
}

bool GameFolderLock::AskHolderToComeForward(std::chrono::milliseconds patience) {
  const std::wstring path = Wide(path_);
  const HANDLE file =
      CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  // Windows lets a program take the foreground only with leave from the one that has it: this
  // copy, just started by the player, gives its leave to the copy that is asked.
  AllowSetForegroundWindow(ASFW_ANY);
  DWORD written = 0;
  const bool asked = WriteFile(file, "1", 1, &written, nullptr) && written == 1;
  CloseHandle(file);
  if (!asked) return false;
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) &&
        data.nFileSizeLow == 0 && data.nFileSizeHigh == 0) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return false;
}

bool GameFolderLock::TakeComeForwardRequest() {
  if (handle_ == -1) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(AsHandle(handle_), &size) || size.QuadPart == 0) return false;
  return Empty(AsHandle(handle_));
}

}  // namespace kelvora
