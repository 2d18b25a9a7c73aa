// Indexing abstract positions by labelling, cell set and the blank's rank.
#include "solver/PatternSpace.h"

#include <cstdint>
#include <map>
#include <stdexcept>

#include "core/Tiles.h"

// Cell sets and labellings are numbered through tables made once per space. A labelling is
// numbered group by group: each picks its slots (places in cell order) among those the groups
// before it left free, and a combination is numbered by the combinatorial number system, with
// short cuts for groups of one and two tiles, since the solver indexes every position it meets.

namespace kelvora::solver {

namespace {

struct Binomials {
  std::array<std::array<std::uint32_t, kCellCount + 1>, kCellCount + 1> c{};
  constexpr Binomials() {
    for (int n = 0; n <= kCellCount; ++n) {
      c[n][0] = 1;
      for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
  }
};
constexpr Binomials kBinomial;

int NthFreeCell(std::uint32_t freeCells, std::uint32_t n) {
  return internal::NthSetBit(freeCells, n);
}

int RankAmong(std::uint32_t freeCells, std::uint32_t cell) {
  return std::popcount(freeCells & ((1u << cell) - 1));
}

}  // namespace

PatternSpace::PatternSpace(std::string name, const std::vector<int>& trackedCells, MoveCosts costs)
    : name_(std::move(name)), costs_(costs) {
  const PackedPosition goal = PackedPosition::Goal();
  std::map<int, int> counts;
  for (int cell : trackedCells) {
    if (cell < 0 || cell >= kCellCount || goal.Code(cell) == kBlank) {
      throw std::invalid_argument("a pattern follows tiles of the goal, not cell " +
                                  std::to_string(cell));
    }
    ++counts[goal.Code(cell)];
  }
  if (counts.size() >= kMaxGroups) {
    throw std::invalid_argument("a pattern follows at most seven kinds of tile");
  }
  for (const auto& [code, count] : counts) {
    if (count != CopiesInGoal(code)) {
      throw std::invalid_argument("a pattern follows both or neither of two equal tiles");
    }
    groups_[groupCount_++] = Group{code, count};
    tileCount_ += count;
  }
  if (tileCount_ > kMaxTiles) throw std::invalid_argument("a pattern follows at most eight tiles");
  blankGroup_ = groupCount_;
  groups_[groupCount_++] = Group{kBlank, 1};

  int freeSlots = tileCount_;
  for (int g = 0; g < blankGroup_; ++g) {
    groups_[g].radix = kBinomial.c[freeSlots][groups_[g].count];
    labellingCount_ *= groups_[g].radix;
    freeSlots -= groups_[g].count;
  }
  cellSetCount_ = kBinomial.c[kCellCount][tileCount_];
  size_ = std::uint64_t{labellingCount_} * cellSetCount_ * BlankRadix();

  auto digits = std::make_shared<Digits>();
  // In increasing order of their masks, the order RankOfCellSet counts.
  for (std::uint32_t cells = 0; cells < (1u << kCellCount); ++cells) {
    if (std::popcount(cells) == tileCount_)
      digits->cellSets.push_back(static_cast<std::uint16_t>(cells));
  }
  for (std::uint32_t rank = 0; rank < labellingCount_; ++rank) {
    digits->labellings.push_back(LabellingOfRank(rank));
  }
  cellSets_ = digits->cellSets.data();
  labellings_ = digits->labellings.data();
  digits_ = std::move(digits);
  goalIndex_ = Index(goal);
}

std::uint64_t PatternSpace::Signature() const {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (int g = 0; g < groupCount_; ++g) {
    for (std::uint64_t part : {std::uint64_t(groups_[g].code), std::uint64_t(groups_[g].count)}) {
      hash = (hash ^ part) * 0x100000001b3ULL;
    }
  }
  // Tables where every move costs one keep the signature they had before there were others.
  if (SharesCost()) hash = (hash ^ (0x100 + std::uint64_t(costs_))) * 0x100000001b3ULL;
  return hash;
}

Layout PatternSpace::LayoutOf(PackedPosition position) const {
  Layout layout;
  for (int g = 0; g < groupCount_; ++g) layout.SetCells(g, position.CellsWith(groups_[g].code));
  return layout;
}

std::uint32_t PatternSpace::RankOfPlaces(const std::array<std::uint32_t, kMaxGroups>& places,
                                         std::uint32_t free) const {
  std::uint32_t rank = 0;
  for (int g = 0; g < blankGroup_; ++g) {
    const std::uint32_t mine = places[g];
    std::uint32_t digit;
    if (groups_[g].count == 1) {
      digit = RankAmong(free, std::countr_zero(mine));
    } else if (groups_[g].count == 2) {
      digit = RankAmong(free, std::countr_zero(mine)) +
              kBinomial.c[RankAmong(free, 31 - std::countl_zero(mine))][2];
    } else {
      digit = 0;
      int k = 1;
      for (std::uint32_t left = mine; left != 0; left &= left - 1, ++k) {
        digit += kBinomial.c[RankAmong(free, std::countr_zero(left))][k];
      }
    }
    rank = rank * groups_[g].radix + digit;
    free ^= mine;
  }
  return rank;
}

std::uint32_t PatternSpace::LabellingOfRank(std::uint32_t rank) const {
  std::array<std::uint32_t, kMaxGroups> digits{};
  for (int g = blankGroup_ - 1; g >= 0; --g) {
    digits[g] = rank % groups_[g].radix;
    rank /= groups_[g].radix;
  }
  std::uint32_t freeSlots = (1u << tileCount_) - 1;
  std::uint32_t labelling = 0;
  for (int g = 0; g < blankGroup_; ++g) {
    std::uint32_t digit = digits[g];
    // The largest rank first: the k-th smallest member is the largest n with C(n, k) not above
    // what is left of the digit.
    for (int k = groups_[g].count; k >= 1; --k) {
      std::uint32_t n = static_cast<std::uint32_t>(k - 1);
      while (kBinomial.c[n + 1][k] <= digit) ++n;
      digit -= kBinomial.c[n][k];
      const int slot = NthFreeCell(freeSlots, n);
      labelling |= static_cast<std::uint32_t>(g) << (4 * slot);
      freeSlots ^= 1u << slot;
    }
  }
  return labelling;
}

std::uint32_t PatternSpace::RankOfLabelling(std::uint32_t labelling) const {
  std::array<std::uint32_t, kMaxGroups> slots{};
  for (int slot = 0; slot < tileCount_; ++slot) {
    slots[(labelling >> (4 * slot)) & 0xF] |= 1u << slot;
  }
  return RankOfPlaces(slots, (1u << tileCount_) - 1);
}

std::uint64_t PatternSpace::Index(const Layout& layout) const {
  const std::uint32_t tiles = TileCells(layout);
  std::array<std::uint32_t, kMaxGroups> cells{};
  for (int g = 0; g < blankGroup_; ++g) cells[g] = layout.Cells(g);
  return IndexOf(RankOfCellSet(tiles), RankOfPlaces(cells, tiles),
                 BlankRank(tiles, BlankCell(layout)));
}

Layout PatternSpace::LayoutAt(std::uint64_t index) const {
  const std::uint64_t rest = index / BlankRadix();
  const auto blankRank = static_cast<std::uint32_t>(index % BlankRadix());
  const std::uint32_t tiles = CellSetAt(static_cast<std::uint32_t>(rest / labellingCount_));
  const std::uint32_t labelling = LabellingAt(static_cast<std::uint32_t>(rest % labellingCount_));
  std::array<std::uint32_t, kMaxGroups> cells{};
  int slot = 0;
  for (std::uint32_t left = tiles; left != 0; left &= left - 1, ++slot) {
    cells[(labelling >> (4 * slot)) & 0xF] |= left & (0u - left);
  }
  cells[blankGroup_] = 1u << BlankCellAt(tiles, blankRank);
  Layout layout;
  for (int g = 0; g < groupCount_; ++g) layout.SetCells(g, cells[g]);
  return layout;
}

PackedPosition PatternSpace::At(std::uint64_t index) const {
  const Layout layout = LayoutAt(index);
  PackedPosition position;
  for (int g = 0; g < groupCount_; ++g) {
    for (std::uint32_t cells = layout.Cells(g); cells != 0; cells &= cells - 1) {
      position.SetCode(std::countr_zero(cells), groups_[g].code);
    }
  }
  return position;
}

}  // namespace kelvora::solver
