// Dense indices for the abstract positions one pattern database covers.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "solver/Layout.h"
#include "solver/PackedPosition.h"

namespace kelvora::solver {

// An abstract position says where the blank and a chosen set of the goal's tiles are; every
// other tile looks alike.
class PatternSpace {
 public:
  // trackedCells: goal cells whose tiles are followed (the blank always is). Equal tiles are
  // interchangeable, so a code that occurs twice among them counts as one group of two. At most
  // seven groups besides the blank.
  PatternSpace(std::string name, const std::vector<int>& trackedCells);

  const std::string& Name() const { return name_; }
  std::uint64_t Size() const { return size_; }
  // Changes whenever the grouping changes, so a cached table never serves another pattern.
  std::uint64_t Signature() const;
  std::uint64_t GoalIndex() const { return goalIndex_; }

  // Tiles that are not followed are ignored, so a full position can be laid out directly.
  Layout LayoutOf(PackedPosition position) const;
  int BlankCell(const Layout& layout) const { return std::countr_zero(layout.Cells(blankGroup_)); }
  // The cells holding followed tiles (not the blank).
  std::uint32_t TileCells(const Layout& layout) const;
  std::uint64_t Index(const Layout& layout) const;
  Layout LayoutAt(std::uint64_t index) const;

  std::uint64_t Index(PackedPosition position) const { return Index(LayoutOf(position)); }
  // The abstract position: followed tiles and the blank in place, every other cell 0.
  PackedPosition At(std::uint64_t index) const;

 private:
  struct Group {
    int code = 0;
    int count = 0;
    std::uint32_t radix = 0;
    // 2^64 / radix, rounded up.
    std::uint64_t inverse = 0;
  };

  std::string name_;
  // The blank's group comes last: a slide that moves only the blank then changes only the
  // lowest digit, which keeps a table's neighbouring entries close in memory.
  std::array<Group, kMaxGroups> groups_{};
  int groupCount_ = 0;
  int blankGroup_ = 0;
  bool fastDivision_ = true;
  std::uint64_t size_ = 1;
  std::uint64_t goalIndex_ = 0;
};

}  // namespace kelvora::solver
