// Abstract positions as per-group cell masks, and the moves on them.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "solver/MoveRules.h"

namespace kelvora::solver {

constexpr int kMaxGroups = 8;

// An abstract position as a pattern database sees it: for each group of followed tiles (and the
// blank) the set of cells it occupies, as a 16-bit mask. Four masks share a 64-bit word, so a
// move shifts all of them with a handful of word operations.
class Layout {
 public:
  std::uint32_t Cells(int group) const {
    return static_cast<std::uint32_t>((words_[group / 4] >> (16 * (group % 4))) & 0xFFFF);
  }
  void SetCells(int group, std::uint32_t cells) {
    const int shift = 16 * (group % 4);
    words_[group / 4] =
        (words_[group / 4] & ~(std::uint64_t{0xFFFF} << shift)) | (std::uint64_t(cells) << shift);
  }

  // The cells any group holds.
  std::uint32_t AllCells() const {
    std::uint64_t cells = words_[0] | words_[1];
    cells |= cells >> 32;
    return static_cast<std::uint32_t>((cells | (cells >> 16)) & 0xFFFF);
  }

  // move must be legal with the blank at blankCell. Cells no group holds stay unheld.
  Layout After(MoveIndex move, int blankCell) const;

  bool operator==(const Layout&) const = default;

 private:
  std::array<std::uint64_t, 2> words_{};
};

}  // namespace kelvora::solver
