// Read-only memory mapping of a cache file, one implementation file for each system.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "solver/TableMemory.h"

namespace kelvora::solver {

// Cached tables are shared with the page cache instead of being read into every process.
class MappedFile final : public TableMemory {
 public:
  // nullptr when the file cannot be opened or mapped, or is shorter than its header.
  static std::unique_ptr<MappedFile> Open(const std::string& path, std::size_t headerBytes);
  ~MappedFile() override;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  std::span<const std::uint8_t> Header() const { return {start_, headerBytes_}; }
  // Everything after the header.
  std::span<const std::uint8_t> Bytes() const override {
    return {start_ + headerBytes_, size_ - headerBytes_};
  }

 private:
  MappedFile(const std::uint8_t* start, std::size_t size, std::size_t headerBytes)
      : start_(start), size_(size), headerBytes_(headerBytes) {}

  const std::uint8_t* start_;
  std::size_t size_;
  std::size_t headerBytes_;
};

}  // namespace kelvora::solver
