// A cache file's mapping, refused when it cannot hold its header.
#include "solver/MappedFile.h"

#include <cerrno>

#include "platform/FileError.h"

namespace kelvora::solver {

Result<std::unique_ptr<MappedFile>> MappedFile::Open(platform::System& system,
                                                     const std::string& path,
                                                     std::size_t headerBytes, Holding holding) {
  Result<std::unique_ptr<platform::MappedFile>> file =
      holding == Holding::kReadIn ? system.LoadFile(path) : system.MapFile(path);
  if (!file) return file.status();
  if ((*file)->Bytes().size() < headerBytes) return platform::FileError(EIO, false);
  return std::unique_ptr<MappedFile>(new MappedFile(std::move(*file), headerBytes));
}

}  // namespace kelvora::solver
