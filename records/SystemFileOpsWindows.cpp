// The system calls of a crash-safe save on Windows: the new file is flushed with
// FlushFileBuffers and put in place with MoveFileExW, which replaces the old one in one step and
// writes through. Paths reach the system as wide characters, so any folder name works.
#include <windows.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <thread>

#include "records/FileOps.h"
#include "text/Utf8Path.h"

namespace kelvora {

namespace {

std::wstring Wide(const std::string& utf8) {
  return PathFromUtf8(utf8).wstring();
}

// The errno value the rest of the game words for the player.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED:
      return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return ENOENT;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    default:
      return EIO;
  }
}

int Failed() {
  errno = ErrnoOf(GetLastError());
  return -1;
}

HANDLE AsHandle(FileOps::Handle file) {
  return reinterpret_cast<HANDLE>(file);
}

}  // namespace

FileOps::Handle SystemFileOps::MakeTemp(std::string& pathTemplate, std::optional<unsigned>) {
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device seed;
  std::mt19937 pick(seed());
  const std::size_t unique = pathTemplate.rfind("XXXXXX");
  if (unique == std::string::npos) {
    errno = EINVAL;
    return kNoFile;
  }
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = pathTemplate;
    for (std::size_t i = 0; i < 6; ++i) path[unique + i] = kLetters[pick() % (sizeof kLetters - 1)];
    // Written by this copy alone until it takes the data file's place.
    const HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      pathTemplate = path;
      return reinterpret_cast<Handle>(file);
    }
    if (GetLastError() != ERROR_FILE_EXISTS) {
      Failed();
      return kNoFile;
    }
  }
  errno = EEXIST;
  return kNoFile;
}

long long SystemFileOps::Write(Handle file, const char* data, std::size_t size) {
  DWORD written = 0;
  const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
  if (!WriteFile(AsHandle(file), data, chunk, &written, nullptr)) return Failed();
  return written;
}

int SystemFileOps::Sync(Handle file) {
  return FlushFileBuffers(AsHandle(file)) ? 0 : Failed();
}

int SystemFileOps::Close(Handle file) {
  return CloseHandle(AsHandle(file)) ? 0 : Failed();
}

int SystemFileOps::Rename(const std::string& from, const std::string& to) {
  // An indexer or a virus scanner may hold the old file for a moment; that is worth waiting for
  // a little before the save counts as failed.
  const std::wstring source = Wide(from);
  const std::wstring target = Wide(to);
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return 0;
    }
    const DWORD error = GetLastError();
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                      error == ERROR_ACCESS_DENIED;
    if (!busy || attempt == 9) {
      // The new file was just made in the same folder, so a refusal to put it over an existing,
      // writable file comes from whoever holds that file open (wine says "access denied" where
      // Windows says "sharing violation").
      const DWORD attributes = GetFileAttributesW(target.c_str());
      const bool heldOpen = error == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
                            (attributes & FILE_ATTRIBUTE_READONLY) == 0;
      errno = heldOpen ? ErrnoOf(ERROR_SHARING_VIOLATION) : ErrnoOf(error);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

int SystemFileOps::Unlink(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) ? 0 : Failed();
}

void SystemFileOps::SyncFolder(const std::string&) {
  // MOVEFILE_WRITE_THROUGH has already made the rename durable.
}

std::optional<unsigned> SystemFileOps::Mode(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  // Windows knows one bit of it: the read-only attribute the player can set.
  return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? 0444u : 0666u;
}

}  // namespace kelvora
