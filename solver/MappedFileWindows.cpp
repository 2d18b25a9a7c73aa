// The mapping of a cache file on Windows: CreateFileMappingW and MapViewOfFile, the path in wide
// characters. The handles are closed at once; the view keeps the file.
#include <windows.h>

#include "solver/MappedFile.h"
#include "text/Utf8Path.h"

namespace kelvora::solver {

std::unique_ptr<MappedFile> MappedFile::Open(const std::string& path, std::size_t headerBytes) {
  // Others may read the file meanwhile, and the cache may replace it once it is let go.
  const HANDLE file = CreateFileW(PathFromUtf8(path).wstring().c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0 ||
      static_cast<std::size_t>(size.QuadPart) < headerBytes) {
    CloseHandle(file);
    return nullptr;
  }
  const HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
  CloseHandle(file);
  if (mapping == nullptr) return nullptr;
  const void* start = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
  CloseHandle(mapping);
  if (start == nullptr) return nullptr;
  return std::unique_ptr<MappedFile>(new MappedFile(static_cast<const std::uint8_t*>(start),
                                                    static_cast<std::size_t>(size.QuadPart),
                                                    headerBytes));
}

MappedFile::~MappedFile() {
  UnmapViewOfFile(start_);
}

}  // namespace kelvora::solver
