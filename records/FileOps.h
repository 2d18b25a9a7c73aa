// The handful of operating-system file calls a crash-safe save makes, behind an interface so
// tests can make any one of them fail (a full disk halfway through a write, a refused rename).
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>

namespace kelvora {

// Each call returns what its POSIX namesake returns and leaves errno set on failure.
class FileOps {
 public:
  virtual ~FileOps() = default;
  // Creates a new, uniquely named file from a mkstemp template with the given permission bits
  // (none: what a new file of this user gets); returns its descriptor.
  virtual int MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) = 0;
  virtual ssize_t Write(int fd, const char* data, std::size_t size) = 0;
  virtual int Sync(int fd) = 0;
  virtual int Close(int fd) = 0;
  virtual int Rename(const std::string& from, const std::string& to) = 0;
  virtual int Unlink(const std::string& path) = 0;
  // Makes a rename in the folder durable; failure here cannot undo the rename and is ignored.
  virtual void SyncFolder(const std::string& folder) = 0;
  // The permission bits of an existing file; none when there is no such file.
  virtual std::optional<unsigned> Mode(const std::string& path) = 0;
};

// The real calls.
class PosixFileOps : public FileOps {
 public:
  int MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) override;
  ssize_t Write(int fd, const char* data, std::size_t size) override;
  int Sync(int fd) override;
  int Close(int fd) override;
  int Rename(const std::string& from, const std::string& to) override;
  int Unlink(const std::string& path) override;
  void SyncFolder(const std::string& folder) override;
  std::optional<unsigned> Mode(const std::string& path) override;
};

}  // namespace kelvora
