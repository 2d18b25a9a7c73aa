// A cache file mapped or read in through the platform, as table memory: a header, then the table.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/Status.h"
#include "platform/System.h"
#include "solver/TableMemory.h"

namespace kelvora::solver {

// How a cache file is held once opened.
enum class Holding {
  // Shared with the page cache: open at once, its pages read in as a search first touches them.
  // Right for a program that solves once.
  kMapped,
  // Read into the process's own memory, in large pages where the system has them: a moment
  // longer to open, every search faster from then on. Right for the game, which solves again
  // and again.
  kReadIn,
};

class MappedFile final : public TableMemory {
 public:
  // Code::kNotFound when there is no such file; another failure when it cannot be mapped or read,
  // or is shorter than its header.
  static Result<std::unique_ptr<MappedFile>> Open(platform::System& system, const std::string& path,
                                                  std::size_t headerBytes,
                                                  Holding holding = Holding::kMapped);

  std::span<const std::uint8_t> Header() const { return file_->Bytes().first(headerBytes_); }
  // Everything after the header.
  std::span<const std::uint8_t> Bytes() const override {
    return file_->Bytes().subspan(headerBytes_);
  }

 private:
  MappedFile(std::unique_ptr<platform::MappedFile> file, std::size_t headerBytes)
      : file_(std::move(file)), headerBytes_(headerBytes) {}

  std::unique_ptr<platform::MappedFile> file_;
  std::size_t headerBytes_;
};

}  // namespace kelvora::solver
