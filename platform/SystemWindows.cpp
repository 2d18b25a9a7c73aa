// The system on Windows. Paths and variables reach it as wide characters, so a folder with any
// name (C:\Users\山田\...) works. A replace flushes with FlushFileBuffers and puts the new file in
// place with MoveFileExW, which replaces the old one in one step and writes through.
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <thread>
#include <vector>

#include "platform/FileError.h"
#include "platform/System.h"
#include "text/GameText.h"
#include "text/Utf8Path.h"

namespace kelvora::platform {

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
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    default:
      return EIO;
  }
}

int Failed() {
  errno = ErrnoOf(GetLastError());
  return -1;
}

HANDLE AsHandle(System::Handle file) {
  return reinterpret_cast<HANDLE>(file);
}

// What a replaced file keeps of the old one's attributes; the rest (read-only, which refuses the
// replace, or compressed, which the system decides) is not the player's to lose.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// The access list of a file as it stands, to be given to the file that replaces it; empty when
// the file has none the system would tell.
std::vector<char> AccessListOf(const std::wstring& path) {
  DWORD needed = 0;
  GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  if (needed == 0) return {};
  std::vector<char> descriptor(needed);
  if (!GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                        &needed)) {
    return {};
  }
  return descriptor;
}

class WindowsMappedFile final : public MappedFile {
 public:
  WindowsMappedFile(const std::uint8_t* start, std::size_t size) : start_(start), size_(size) {}
  ~WindowsMappedFile() override { UnmapViewOfFile(start_); }
  WindowsMappedFile(const WindowsMappedFile&) = delete;
  WindowsMappedFile& operator=(const WindowsMappedFile&) = delete;

  std::span<const std::uint8_t> Bytes() const override { return {start_, size_}; }

 private:
  const std::uint8_t* start_;
  std::size_t size_;
};

// A file read into memory of the process's own.
class WindowsLoadedFile final : public MappedFile {
 public:
  WindowsLoadedFile(std::uint8_t* start, std::size_t size) : start_(start), size_(size) {}
  ~WindowsLoadedFile() override { VirtualFree(start_, 0, MEM_RELEASE); }
  WindowsLoadedFile(const WindowsLoadedFile&) = delete;
  WindowsLoadedFile& operator=(const WindowsLoadedFile&) = delete;

  std::span<const std::uint8_t> Bytes() const override { return {start_, size_}; }

 private:
  std::uint8_t* start_;
  std::size_t size_;
};

// A byte range of the request file locked with LockFileEx; requests are written into the same
// file, outside the locked range, and the holder empties it to answer. The file is open without
// delete sharing, so no one can delete it, and with it the lock, while the game runs.
class WindowsHeldLock final : public HeldLock {
 public:
  explicit WindowsHeldLock(HANDLE file) : file_(file) { Empty(); }
  ~WindowsHeldLock() override { CloseHandle(file_); }
  WindowsHeldLock(const WindowsHeldLock&) = delete;
  WindowsHeldLock& operator=(const WindowsHeldLock&) = delete;

  bool TakeRequest() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_, &size) || size.QuadPart == 0) return false;
    return Empty();
  }

 private:
  bool Empty() {
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    return SetEndOfFile(file_) != 0;
  }

  HANDLE file_;
};

// Far past anything a request writes, so requests never touch the locked range.
constexpr DWORD kLockedOffset = 0x40000000;

class WindowsSystem final : public System {
 public:
  Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) override {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    const std::size_t unique = pathTemplate.rfind("XXXXXX");
    if (unique == std::string::npos) {
      errno = EINVAL;
      return kNoFile;
    }
    const std::vector<char> access = AccessListOf(Wide(replacing));
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string path = pathTemplate;
      for (std::size_t i = 0; i < 6; ++i) {
        path[unique + i] = kLetters[pick() % (sizeof kLetters - 1)];
      }
      // Written by this copy alone until it takes the data file's place; hidden until then, as
      // its name is on other systems.
      const std::wstring wide = Wide(path);
      const HANDLE file = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_HIDDEN, nullptr);
      if (file != INVALID_HANDLE_VALUE) {
        // The old file's access list, as it stands, goes to the new one. A system that keeps no
        // access lists refuses this, and there is nothing to keep.
        if (!access.empty()) {
          SetFileSecurityW(wide.c_str(), DACL_SECURITY_INFORMATION,
                           const_cast<char*>(access.data()));
        }
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

  long long Write(Handle file, const std::uint8_t* data, std::size_t size) override {
    DWORD written = 0;
    const DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
    if (!WriteFile(AsHandle(file), data, chunk, &written, nullptr)) return Failed();
    return written;
  }

  int Sync(Handle file) override { return FlushFileBuffers(AsHandle(file)) ? 0 : Failed(); }

  int Close(Handle file) override { return CloseHandle(AsHandle(file)) ? 0 : Failed(); }

  int Rename(const std::string& from, const std::string& to) override {
    const std::wstring source = Wide(from);
    const std::wstring target = Wide(to);
    // The new file shows itself, or stays hidden, as the old one did.
    const DWORD old = GetFileAttributesW(target.c_str());
    const DWORD kept =
        old == INVALID_FILE_ATTRIBUTES ? FILE_ATTRIBUTE_ARCHIVE : old & kKeptAttributes;
    if (!SetFileAttributesW(source.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL)) {
      return Failed();
    }
    // An indexer or a virus scanner may hold the old file for a moment; that is worth waiting
    // for a little before the save counts as failed.
    for (int attempt = 0;; ++attempt) {
      if (MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
      }
      const DWORD error = GetLastError();
      const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                        error == ERROR_ACCESS_DENIED;
      if (!busy || attempt == 9) {
        // The new file was just made in the same folder, so a refusal to put it over an
        // existing, writable file comes from whoever holds that file open (wine says "access
        // denied" where Windows says "sharing violation").
        const DWORD attributes = GetFileAttributesW(target.c_str());
        const bool heldOpen = error == ERROR_ACCESS_DENIED &&
                              attributes != INVALID_FILE_ATTRIBUTES &&
                              (attributes & FILE_ATTRIBUTE_READONLY) == 0;
        errno = heldOpen ? ErrnoOf(ERROR_SHARING_VIOLATION) : ErrnoOf(error);
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }

  int Unlink(const std::string& path) override {
    return DeleteFileW(Wide(path).c_str()) ? 0 : Failed();
  }

  void SyncFolder(const std::string&) override {
    // MOVEFILE_WRITE_THROUGH has already made the rename durable.
  }

  bool ReadOnly(const std::string& path) override {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }

  Result<std::unique_ptr<MappedFile>> MapFile(const std::string& path) override {
    const Result<OpenFile> opened = OpenWhole(path);
    if (!opened) return opened.status();
    const auto [file, size] = *opened;
    const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    CloseHandle(file);
    if (mapping == nullptr) return Error();
    // The handles are closed at once; the view keeps the file.
    const void* start = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    const DWORD error = GetLastError();
    CloseHandle(mapping);
    if (start == nullptr) return FileError(ErrnoOf(error), false);
    return std::unique_ptr<MappedFile>(
        new WindowsMappedFile(static_cast<const std::uint8_t*>(start), size));
  }

  // Large pages would take a privilege that players' accounts do not hold. Read in, a table at
  // least has all its pages in place before the first search, which a mapping faults in one by one
  // as searches first touch them.
  Result<std::unique_ptr<MappedFile>> LoadFile(const std::string& path) override {
    const Result<OpenFile> opened = OpenWhole(path);
    if (!opened) return opened.status();
    const auto [file, size] = *opened;
    auto* start = static_cast<std::uint8_t*>(
        VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (start == nullptr) {
      CloseHandle(file);
      return FileError(ENOMEM, false);
    }
    auto loaded = std::make_unique<WindowsLoadedFile>(start, size);
    for (std::size_t done = 0; done < size;) {
      constexpr std::size_t kMostAtOnce = std::size_t{1} << 30;
      DWORD got = 0;
      if (!ReadFile(file, start + done, static_cast<DWORD>(std::min(size - done, kMostAtOnce)),
                    &got, nullptr) ||
          got == 0) {
        // A file cut short while it was read is as damaged as one that was short to begin with.
        const int error = got == 0 ? EIO : ErrnoOf(GetLastError());
        CloseHandle(file);
        return FileError(error, false);
      }
      done += got;
    }
    CloseHandle(file);
    // A stray write into a table would change answers silently; now it ends the program instead.
    DWORD before = 0;
    VirtualProtect(start, size, PAGE_READONLY, &before);
    return std::unique_ptr<MappedFile>(std::move(loaded));
  }

  Result<std::unique_ptr<HeldLock>> LockFolder(const std::string&,
                                               const std::string& requestFile) override {
    const std::wstring path = Wide(requestFile);
    constexpr DWORD kShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kShare, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    // A folder the player cannot write to may still hold the request file of an earlier run.
    if (file == INVALID_HANDLE_VALUE) {
      file = CreateFileW(path.c_str(), GENERIC_READ, kShare, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
      return Status::Failed(Status::Code::kUnavailable, text::reason::kFolderUnlockable);
    }
    OVERLAPPED where{};
    where.Offset = kLockedOffset;
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &where)) {
      const bool taken = GetLastError() == ERROR_LOCK_VIOLATION;
      CloseHandle(file);
      if (taken) return Status::Failed(Status::Code::kBusy, text::reason::kFolderInUse);
      return Status::Failed(Status::Code::kUnavailable, text::reason::kFolderUnlockable);
    }
    return std::unique_ptr<HeldLock>(new WindowsHeldLock(file));
  }

  bool AskToComeForward(const std::string& requestFile) override {
    const HANDLE file =
        CreateFileW(Wide(requestFile).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // Windows lets a program take the foreground only with leave from the one that has it: this
    // copy, just started by the player, gives its leave to the copy that is asked.
    AllowSetForegroundWindow(ASFW_ANY);
    DWORD written = 0;
    const bool asked = WriteFile(file, "1", 1, &written, nullptr) && written == 1;
    CloseHandle(file);
    return asked;
  }

  std::string ProgramFolder() override {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
      const DWORD length =
          GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
      if (length == 0) return {};
      if (length < buffer.size()) {
        const std::filesystem::path program(std::wstring(buffer.data(), length));
        return Utf8FromPath(program.parent_path().make_preferred());
      }
      buffer.resize(buffer.size() * 2);
    }
  }

  std::string CacheFolder() override {
    if (auto folder = Environment("KELVORA_CACHE_DIR"); folder && !folder->empty()) {
      return *folder;
    }
    if (auto local = Environment("LOCALAPPDATA"); local && !local->empty()) {
      return *local + "\\kelvora";
    }
    return {};
  }

  std::string PlayerDataFolder() override {
    if (auto roaming = Environment("APPDATA"); roaming && !roaming->empty()) {
      return *roaming + "\\KELVORA";
    }
    return {};
  }

  // Access lists decide, and only trying tells what they allow: a hidden file that goes as soon
  // as it is closed.
  bool CanWriteFolder(const std::string& folder) override {
    const std::wstring probe =
        Wide(folder) + L"\\.kelvora-can-write-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  }

  std::optional<std::string> Environment(const std::string& name) override {
    const wchar_t* value = _wgetenv(Wide(name).c_str());
    if (value == nullptr) return std::nullopt;
    return Utf8FromPath(std::filesystem::path(value));
  }

  bool DisplayComesFromEnvironment() override { return false; }

 private:
  static Status Error() { return FileError(ErrnoOf(GetLastError()), false); }

  struct OpenFile {
    HANDLE file = INVALID_HANDLE_VALUE;
    std::size_t size = 0;
  };
  // A file opened to be mapped or read whole; an empty one is as good as damaged. Others may read
  // the file meanwhile, and the cache may replace it once it is let go.
  static Result<OpenFile> OpenWhole(const std::string& path) {
    const HANDLE file =
        CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Error();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0) {
      CloseHandle(file);
      return FileError(EIO, false);
    }
    return OpenFile{file, static_cast<std::size_t>(size.QuadPart)};
  }
};

}  // namespace

System& System::Default() {
  static WindowsSystem system;
  return system;
}

}  // namespace kelvora::platform
