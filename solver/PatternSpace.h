// Dense indices for the abstract positions one pattern database covers.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "solver/Layout.h"
#include "solver/PackedPosition.h"

namespace kelvora::solver {

namespace internal {

// at[byte][n]: the position of the n-th set bit of byte.
struct SelectTable {
  std::array<std::array<std::uint8_t, 8>, 256> at{};
  constexpr SelectTable() {
    for (int byte = 0; byte < 256; ++byte) {
      int n = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if ((byte >> bit) & 1) at[byte][n++] = static_cast<std::uint8_t>(bit);
      }
    }
  }
};
inline constexpr SelectTable kSelect;

// The position of the n-th set bit of a 16-bit mask that has more than n.
inline int NthSetBit(std::uint32_t bits, std::uint32_t n) {
  const std::uint32_t low = bits & 0xFF;
  const auto lowCount = static_cast<std::uint32_t>(std::popcount(low));
  if (n < lowCount) return kSelect.at[low][n];
  return 8 + kSelect.at[(bits >> 8) & 0xFF][n - lowCount];
}

// A set of cells' rank among the sets of as many cells, in increasing order of their masks: the
// sum of C(cell, i) over its cells, the i-th lowest counted from 1. Read a byte at a time from a
// few kilobytes that stay in the processor's nearest cache, where a table by mask would take
// 128 KB and miss it on nearly every position a search indexes.
struct CellSetRankTable {
  // low[byte]: the share of cells 0 to 7; high[below][byte]: that of cells 8 to 15 with below
  // of the set's cells under them.
  std::array<std::uint16_t, 256> low{};
  std::array<std::array<std::uint16_t, 256>, 9> high{};
  constexpr CellSetRankTable() {
    std::array<std::array<std::uint32_t, 17>, 17> c{};
    for (int n = 0; n <= 16; ++n) {
      c[n][0] = 1;
      for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k < n ? c[n - 1][k] : 0);
    }
    for (int byte = 0; byte < 256; ++byte) {
      for (int below = 0; below <= 8; ++below) {
        std::uint32_t lowShare = 0;
        std::uint32_t highShare = 0;
        int i = 0;
        for (int bit = 0; bit < 8; ++bit) {
          if (((byte >> bit) & 1) == 0) continue;
          ++i;
          lowShare += c[bit][i];
          highShare += c[8 + bit][below + i];
        }
        if (below == 0) low[byte] = static_cast<std::uint16_t>(lowShare);
        high[below][byte] = static_cast<std::uint16_t>(highShare);
      }
    }
  }
};
inline constexpr CellSetRankTable kCellSetRank;

}  // namespace internal

// What a move costs in a table. Where every move costs one, the table is a bound by itself.
// Tables that leave some moves free share the cost of every move among themselves, each move
// charged to one table only (turns and the slides of its own tiles to one, the slides of their
// own tiles to the others), so the sum of their distances is a bound.
enum class MoveCosts : std::uint8_t { kEveryMove, kTurnsAndOwnSlides, kOwnSlides };

// An abstract position says where the blank and a chosen set of the goal's tiles are; every
// other tile looks alike.
//
// Its index has three digits, the first the most significant: the set of cells the followed tiles
// hold, their labelling (which kind of followed tile stands in each of those cells, read in cell
// order), and the blank's rank among the cells they leave free. A move sends every entry of one
// cell set (about ten kilobytes of table) into the entries of one other cell set: a turn's
// reordering of the labelling depends only on the cell set, and a followed tile sliding into the
// blank passes no other cell, so the labelling stays. Any other tile sliding only moves the
// blank's rank by one.
class PatternSpace {
 public:
  // A labelling packs four bits a followed tile, the group of the tile in the lowest cell first.
  static constexpr int kMaxTiles = 8;

  // trackedCells: goal cells whose tiles are followed (the blank always is). Equal tiles are
  // interchangeable, so a code that occurs twice among them counts as one group of two. At most
  // eight tiles of at most seven kinds.
  PatternSpace(std::string name, const std::vector<int>& trackedCells,
               MoveCosts costs = MoveCosts::kEveryMove);

  const std::string& Name() const { return name_; }
  MoveCosts Costs() const { return costs_; }
  // Whether some moves cost nothing here: the table shares the cost of moves with others.
  bool SharesCost() const { return costs_ != MoveCosts::kEveryMove; }
  // What a legal move costs when the followed tiles hold tileCells.
  int CostOf(MoveIndex move, std::uint32_t tileCells) const {
    if (move >= kCellCount) return costs_ == MoveCosts::kOwnSlides ? 0 : 1;
    return (tileCells >> move & 1) != 0 || costs_ == MoveCosts::kEveryMove ? 1 : 0;
  }
  std::uint64_t Size() const { return size_; }
  // Changes whenever the grouping changes, so a cached table never serves another pattern.
  std::uint64_t Signature() const;
  std::uint64_t GoalIndex() const { return goalIndex_; }

  // Tiles that are not followed are ignored, so a full position can be laid out directly.
  Layout LayoutOf(PackedPosition position) const;
  int BlankCell(const Layout& layout) const { return std::countr_zero(layout.Cells(blankGroup_)); }
  // The cells holding followed tiles (not the blank).
  std::uint32_t TileCells(const Layout& layout) const {
    return layout.AllCells() & ~layout.Cells(blankGroup_);
  }
  std::uint64_t Index(const Layout& layout) const;
  Layout LayoutAt(std::uint64_t index) const;

  std::uint64_t Index(PackedPosition position) const { return Index(LayoutOf(position)); }
  // The abstract position: followed tiles and the blank in place, every other cell 0.
  PackedPosition At(std::uint64_t index) const;

  // The digits one by one, for a builder that moves tiles on indices directly.
  int TileCount() const { return tileCount_; }
  std::uint32_t LabellingCount() const { return labellingCount_; }
  std::uint32_t CellSetCount() const { return cellSetCount_; }
  // The cells left free, the radix of the blank's rank.
  std::uint32_t BlankRadix() const { return kCellCount - tileCount_; }
  std::uint64_t IndexOf(std::uint32_t cellSet, std::uint32_t labelling, std::uint32_t blank) const {
    return (std::uint64_t{cellSet} * labellingCount_ + labelling) * BlankRadix() + blank;
  }
  std::uint32_t CellSetAt(std::uint32_t rank) const { return cellSets_[rank]; }
  // cells must hold TileCount() cells.
  static std::uint32_t RankOfCellSet(std::uint32_t cells) {
    const std::uint32_t low = cells & 0xFF;
    return internal::kCellSetRank.low[low] +
           internal::kCellSetRank.high[std::popcount(low)][(cells >> 8) & 0xFF];
  }
  std::uint32_t LabellingAt(std::uint32_t rank) const { return labellings_[rank]; }
  std::uint32_t RankOfLabelling(std::uint32_t labelling) const;
  // The blank's rank when the followed tiles hold tileCells.
  static std::uint32_t BlankRank(std::uint32_t tileCells, int blankCell) {
    return static_cast<std::uint32_t>(std::popcount(~tileCells & ((1u << blankCell) - 1)));
  }
  static int BlankCellAt(std::uint32_t tileCells, std::uint32_t blankRank) {
    return internal::NthSetBit(~tileCells & 0xFFFF, blankRank);
  }

 private:
  struct Group {
    int code = 0;
    int count = 0;
    // The group's digit of the labelling counts the ways to place it in the slots left free.
    std::uint32_t radix = 1;
  };
  // Lookup tables shared by every copy of the space.
  struct Digits {
    std::vector<std::uint16_t> cellSets;    // by rank
    std::vector<std::uint32_t> labellings;  // by rank
  };

  // The labelling's rank from the places each group holds among free, which starts as the
  // places of all the followed tiles: cells, or slots (bit n: the n-th followed tile in cell
  // order). Ranks among the cells the tiles hold are their ranks among the slots.
  std::uint32_t RankOfPlaces(const std::array<std::uint32_t, kMaxGroups>& places,
                             std::uint32_t free) const;
  std::uint32_t LabellingOfRank(std::uint32_t rank) const;

  std::string name_;
  MoveCosts costs_ = MoveCosts::kEveryMove;
  // The blank's group comes last.
  std::array<Group, kMaxGroups> groups_{};
  int groupCount_ = 0;
  int blankGroup_ = 0;
  int tileCount_ = 0;
  std::uint32_t labellingCount_ = 1;
  std::uint32_t cellSetCount_ = 0;
  std::uint64_t size_ = 1;
  std::uint64_t goalIndex_ = 0;
  std::shared_ptr<const Digits> digits_;
  // Into digits_, which every copy shares, saving the searches a load.
  const std::uint16_t* cellSets_ = nullptr;
  const std::uint32_t* labellings_ = nullptr;
};

}  // namespace kelvora::solver
