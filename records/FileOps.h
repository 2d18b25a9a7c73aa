// The handful of system calls a crash-safe save makes, behind an interface so tests can make any
// one of them fail (a full disk halfway through a write, a refused rename). Paths are UTF-8.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace kelvora {

// Each call returns what its POSIX namesake returns (-1 on failure) and leaves errno set on
// failure; on Windows the system's own error codes are translated to errno values.
class FileOps {
 public:
  // A file descriptor, or a Windows file handle.
  using Handle = std::intptr_t;
  static constexpr Handle kNoFile = -1;

  virtual ~FileOps() = default;
  // Creates a new, uniquely named file from a template ending in XXXXXX, with the given
  // permission bits (none: what a new file of this user gets).
  virtual Handle MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) = 0;
  virtual long long Write(Handle file, const char* data, std::size_t size) = 0;
  // Returns once the file's contents are on the disk.
  virtual int Sync(Handle file) = 0;
  virtual int Close(Handle file) = 0;
  // Puts `from` in the place of `to`, replacing it, in one step that a crash cannot split.
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
  // Makes a rename in the folder durable; failure here cannot undo the rename and is ignored.
  virtual void SyncFolder(const std::string& folder) = 0;
  // The permission bits of an existing file; none when there is no such file.
  virtual std::optional<unsigned> Mode(const std::string& path) = 0;
};

// The real calls of the system the game runs on (SystemFileOpsPosix.cpp, SystemFileOpsWindows.cpp).
class SystemFileOps : public FileOps {
 public:
  Handle MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) override;
  long long Write(Handle file, const char* data, std::size_t size) override;
  int Sync(Handle file) override;
  int Close(Handle file) override;
  int Rename(const std::string& from, const std::string& to) override;
  int Unlink(const std::string& path) override;
  void SyncFolder(const std::string& folder) override;
  std::optional<unsigned> Mode(const std::string& path) override;
};

}  // namespace kelvora
