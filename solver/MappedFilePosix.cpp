// The mapping of a cache file on POSIX systems: open, fstat, mmap and munmap; the descriptor is
// closed at once, the mapping keeps the file.
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "solver/MappedFile.h"

namespace kelvora::solver {

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& path, std::size_t headerBytes) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || status.st_size <= 0 ||
      static_cast<std::size_t>(status.st_size) < headerBytes) {
    ::close(descriptor);
    return nullptr;
  }
  const auto size = static_cast<std::size_t>(status.st_size);
  // Populated up front: the integrity check reads every page anyway.
  void* start = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
  ::close(descriptor);
  if (start == MAP_FAILED) return nullptr;
  return std::unique_ptr<MappedFile>(
      new MappedFile(static_cast<const std::uint8_t*>(start), size, headerBytes));
}

MappedFile::~MappedFile() {
  ::munmap(const_cast<std::uint8_t*>(start_), size_);
}

}  // namespace kelvora::solver
