// The system on Linux and other POSIX systems: the calls the standard library lacks (a flush to
// the disk, a mapping, a lock), /proc for the program's folder, the XDG cache and data folders.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/FileError.h"
#include "platform/PosixCalls.h"
#include "platform/System.h"
#include "text/GameText.h"
#include "text/Utf8Path.h"

namespace kelvora::platform {

namespace {

class PosixMappedFile final : public MappedFile {
 public:
  // mapped: the length of the mapping that holds the size bytes from start, where it is longer.
  PosixMappedFile(const std::uint8_t* start, std::size_t size, std::size_t mapped = 0)
      : start_(start), size_(size), mapped_(std::max(size, mapped)) {}
  ~PosixMappedFile() override { ::munmap(const_cast<std::uint8_t*>(start_), mapped_); }
  PosixMappedFile(const PosixMappedFile&) = delete;
  PosixMappedFile& operator=(const PosixMappedFile&) = delete;

  std::span<const std::uint8_t> Bytes() const override { return {start_, size_}; }

 private:
  const std::uint8_t* start_;
  std::size_t size_;
  std::size_t mapped_;
};

// The size of a large page on x86-64 and on ARM64 with 4 KB pages.
constexpr std::size_t kLargePage = std::size_t{2} << 20;

// Anonymous memory for size bytes, begun on a large page's boundary and ending on one, so that
// the system can give every byte of it a large page; nullptr when there is none.
std::uint8_t* AllocateLargePages(std::size_t size, std::size_t& mapped) {
  mapped = (size + kLargePage - 1) / kLargePage * kLargePage;
  void* reserved = ::mmap(nullptr, mapped + kLargePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (reserved == MAP_FAILED) return nullptr;
  const auto address = reinterpret_cast<std::uintptr_t>(reserved);
  const std::uintptr_t aligned = (address + kLargePage - 1) / kLargePage * kLargePage;
  if (aligned > address) ::munmap(reserved, aligned - address);
  if (const std::size_t after = address + kLargePage - aligned; after > 0) {
    ::munmap(reinterpret_cast<void*>(aligned + mapped), after);
  }
  auto* start = reinterpret_cast<std::uint8_t*>(aligned);
  // Only advice: with large pages turned off the memory works as well in small ones.
  ::madvise(start, mapped, MADV_HUGEPAGE);
  return start;
}

struct OpenFile {
  int fd = -1;
  std::size_t size = 0;
};

// A file opened to be mapped or read whole; an empty one is as good as damaged.
Result<OpenFile> OpenWhole(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FileError(errno, false);
  struct stat status {};
  if (::fstat(fd, &status) != 0 || status.st_size <= 0) {
    ::close(fd);
    return FileError(EIO, false);
  }
  return OpenFile{fd, static_cast<std::size_t>(status.st_size)};
}

// flock on the folder itself, which no one can delete while it holds the game; the request file
// beside it only carries the requests to come forward.
class PosixHeldLock final : public HeldLock {
 public:
  PosixHeldLock(int folder, int requests) : folder_(folder), requests_(requests) {}
  ~PosixHeldLock() override {
    if (requests_ >= 0) ::close(requests_);
    ::close(folder_);
  }
  PosixHeldLock(const PosixHeldLock&) = delete;
  PosixHeldLock& operator=(const PosixHeldLock&) = delete;

  bool TakeRequest() override {
    struct stat status {};
    if (requests_ < 0 || ::fstat(requests_, &status) != 0 || status.st_size == 0) return false;
    return ::ftruncate(requests_, 0) == 0;
  }

 private:
  int folder_;
  int requests_;  // -1 where the folder holds no request file and none can be made
};

class PosixSystem final : public System {
 public:
  Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) override {
    std::vector<char> buffer(pathTemplate.begin(), pathTemplate.end());
    buffer.push_back('\0');
    const int fd = ::mkstemp(buffer.data());
    if (fd < 0) return kNoFile;
    pathTemplate.assign(buffer.data());
    // mkstemp makes the file private; a data file is as readable as any file the player makes,
    // or keeps the bits of the file it replaces.
    struct stat status {};
    mode_t mode = 0;
    if (::stat(replacing.c_str(), &status) == 0) {
      mode = status.st_mode & 07777;
    } else {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    return fd;
  }

  long long Write(Handle file, const std::uint8_t* data, std::size_t size) override {
    return ::write(static_cast<int>(file), data, size);
  }

  int Sync(Handle file) override { return ::fsync(static_cast<int>(file)); }

  int Close(Handle file) override { return ::close(static_cast<int>(file)); }

  int Rename(const std::string& from, const std::string& to) override {
    return std::rename(from.c_str(), to.c_str());
  }

  int Unlink(const std::string& path) override { return ::unlink(path.c_str()); }

  void SyncFolder(const std::string& folder) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
  }

  bool ReadOnly(const std::string& path) override {
    struct stat status {};
    // No write bit at all: what `chmod a-w` leaves.
    return ::stat(path.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
  }

  Result<std::unique_ptr<MappedFile>> MapFile(const std::string& path) override {
    const Result<OpenFile> opened = OpenWhole(path);
    if (!opened) return opened.status();
    const auto [fd, size] = *opened;
    // Not populated up front: a file checked before is trusted, and a search near the goal reads
    // a few hundred of its pages. The system is told to read ahead meanwhile all the same.
    void* start = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int error = errno;
    // The mapping keeps the file.
    ::close(fd);
    if (start == MAP_FAILED) return FileError(error, false);
    ::madvise(start, size, MADV_WILLNEED);
    return std::unique_ptr<MappedFile>(
        new PosixMappedFile(static_cast<const std::uint8_t*>(start), size));
  }

  Result<std::unique_ptr<MappedFile>> LoadFile(const std::string& path) override {
    const Result<OpenFile> opened = OpenWhole(path);
    if (!opened) return opened.status();
    const auto [fd, size] = *opened;
    std::size_t mapped = 0;
    std::uint8_t* start = AllocateLargePages(size, mapped);
    if (start == nullptr) {
      ::close(fd);
      return FileError(ENOMEM, false);
    }
    auto file = std::make_unique<PosixMappedFile>(start, size, mapped);
    for (std::size_t done = 0; done < size;) {
      const ssize_t got = ::pread(fd, start + done, size - done, static_cast<off_t>(done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) {
        // A file cut short while it was read is as damaged as one that was short to begin with.
        const int error = got < 0 ? errno : EIO;
        ::close(fd);
        return FileError(error, false);
      }
      done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    // A stray write into a table would change answers silently; now it ends the program instead.
    ::mprotect(start, mapped, PROT_READ);
    return std::unique_ptr<MappedFile>(std::move(file));
  }

  Result<std::unique_ptr<HeldLock>> LockFolder(const std::string& folder,
                                               const std::string& requestFile) override {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return Unavailable();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const bool taken = errno == EWOULDBLOCK;
      ::close(fd);
      if (!taken) return Unavailable();
      return Status::Failed(Status::Code::kBusy, text::reason::kFolderInUse);
    }
    int requests = ::open(requestFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    // A folder the player cannot write to may still hold the request file of an earlier run.
    if (requests < 0) requests = ::open(requestFile.c_str(), O_RDONLY | O_CLOEXEC);
    // A request left unanswered by a copy that died is no request to this one.
    if (requests >= 0) (void)::ftruncate(requests, 0);
    return std::unique_ptr<HeldLock>(new PosixHeldLock(fd, requests));
  }

  bool AskToComeForward(const std::string& requestFile) override {
    const int fd = ::open(requestFile.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (fd < 0) return false;
    const bool asked = ::write(fd, "1", 1) == 1;
    ::close(fd);
    return asked;
  }

  std::string ProgramFolder() override {
    std::error_code code;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", code);
    if (code) return {};
    return Utf8FromPath(program.parent_path());
  }

  std::string CacheFolder() override {
    if (auto folder = Environment("KELVORA_CACHE_DIR"); folder && !folder->empty()) {
      return *folder;
    }
    if (auto xdg = Environment("XDG_CACHE_HOME"); xdg && !xdg->empty()) return *xdg + "/kelvora";
    if (auto home = Environment("HOME"); home && !home->empty()) return *home + "/.cache/kelvora";
    return {};
  }

  std::string PlayerDataFolder() override {
    if (auto xdg = Environment("XDG_DATA_HOME"); xdg && !xdg->empty()) return *xdg + "/kelvora";
    if (auto home = Environment("HOME"); home && !home->empty()) {
      return *home + "/.local/share/kelvora";
    }
    return {};
  }

  bool CanWriteFolder(const std::string& folder) override {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
  }

  std::optional<std::string> Environment(const std::string& name) override {
    const char* value = std::getenv(name.c_str());
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
  }

  bool DisplayComesFromEnvironment() override { return true; }

 private:
  static Status Unavailable() {
    return Status::Failed(Status::Code::kUnavailable, text::reason::kFolderUnlockable);
  }
};

}  // namespace

System& PosixCalls() {
  static PosixSystem system;
  return system;
}

}  // namespace kelvora::platform
