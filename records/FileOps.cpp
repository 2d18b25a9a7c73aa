// POSIX file calls. This file and DiskFileStore are the only places that need more than the
// standard library: it has no way to flush a file to the disk itself.
#include "records/FileOps.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace kelvora {

int PosixFileOps::MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) {
  std::vector<char> buffer(pathTemplate.begin(), pathTemplate.end());
  buffer.push_back('\0');
  int fd = ::mkstemp(buffer.data());
  if (fd >= 0) {
    pathTemplate.assign(buffer.data());
    // mkstemp makes the file private; a record file is as readable as any file the player
    // makes, or keeps the bits of the file it replaces.
    if (!mode) {
      const mode_t mask = ::umask(0);
      ::umask(mask);
      mode = 0666u & ~static_cast<unsigned>(mask);
    }
    ::fchmod(fd, static_cast<mode_t>(*mode));
  }
  return fd;
}

ssize_t PosixFileOps::Write(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}

int PosixFileOps::Sync(int fd) {
  return ::fsync(fd);
}

int PosixFileOps::Close(int fd) {
  return ::close(fd);
}

int PosixFileOps::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str());
}

int PosixFileOps::Unlink(const std::string& path) {
  return ::unlink(path.c_str());
}

std::optional<unsigned> PosixFileOps::Mode(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return static_cast<unsigned>(status.st_mode) & 07777u;
}

void PosixFileOps::SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace kelvora
