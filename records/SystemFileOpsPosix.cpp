// The system calls of a crash-safe save on POSIX systems: the standard library has no way to
// flush a file to the disk.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "records/FileOps.h"

namespace kelvora {

FileOps::Handle SystemFileOps::MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) {
  std::vector<char> buffer(pathTemplate.begin(), pathTemplate.end());
  buffer.push_back('\0');
  const int fd = ::mkstemp(buffer.data());
  if (fd < 0) return kNoFile;
  pathTemplate.assign(buffer.data());
  // mkstemp makes the file private; a record file is as readable as any file the player makes,
  // or keeps the bits of the file it replaces.
  if (!mode) {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666u & ~static_cast<unsigned>(mask);
  }
  ::fchmod(fd, static_cast<mode_t>(*mode));
  return fd;
}

long long SystemFileOps::Write(Handle file, const char* data, std::size_t size) {
  return ::write(static_cast<int>(file), data, size);
}

int SystemFileOps::Sync(Handle file) {
  return ::fsync(static_cast<int>(file));
}

int SystemFileOps::Close(Handle file) {
  return ::close(static_cast<int>(file));
}

int SystemFileOps::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str());
}

int SystemFileOps::Unlink(const std::string& path) {
  return ::unlink(path.c_str());
}

std::optional<unsigned> SystemFileOps::Mode(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return static_cast<unsigned>(status.st_mode) & 07777u;
}

void SystemFileOps::SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace kelvora
