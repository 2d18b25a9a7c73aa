// Where a table's bytes live: in memory the process built them in, or in a mapped cache file.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace kelvora::solver {

class TableMemory {
 public:
  virtual ~TableMemory() = default;
  virtual std::span<const std::uint8_t> Bytes() const = 0;
};

// A table just built: the builder's words, kept as they are.
class OwnedTableMemory final : public TableMemory {
 public:
  explicit OwnedTableMemory(std::vector<std::uint64_t> words) : words_(std::move(words)) {}
  std::span<const std::uint8_t> Bytes() const override {
    return {reinterpret_cast<const std::uint8_t*>(words_.data()), words_.size() * 8};
  }

 private:
  std::vector<std::uint64_t> words_;
};

}  // namespace kelvora::solver
