// Mixed-radix indexing of abstract positions.
#include "solver/PatternSpace.h"

#include <cstdint>
#include <map>
#include <stdexcept>

#include "core/Tiles.h"

// Each group picks its cells among those the groups before it left free, and a combination of
// cells is numbered by the combinatorial number system. Table builds index every position several
// times over, so groups of one and two tiles take short cuts.

namespace kelvora::solver {

namespace {

struct Binomials {
  std::array<std::array<std::uint32_t, kCellCount + 1>, kCellCount + 1> c{};
  // For a pair's digit d (below C(16, 2)), the larger of its two ranks.
  std::array<std::uint8_t, 120> pairHigh{};
  constexpr Binomials() {
    for (int n = 0; n <= kCellCount; ++n) {
      c[n][0] = 1;
      for (int k = 1; k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
    for (int high = 1; high < kCellCount; ++high) {
      for (std::uint32_t d = c[high][2]; d < c[high + 1][2]; ++d) {
        pairHigh[d] = static_cast<std::uint8_t>(high);
      }
    }
  }
};
constexpr Binomials kBinomial;

// kSelect[byte][n]: the position of the n-th set bit of byte (8 when there is none).
struct SelectTable {
  std::array<std::array<std::uint8_t, 8>, 256> at{};
  constexpr SelectTable() {
    for (int byte = 0; byte < 256; ++byte) {
      int n = 0;
      for (int bit = 0; bit < 8; ++bit) {
        if ((byte >> bit) & 1) at[byte][n++] = static_cast<std::uint8_t>(bit);
      }
      for (; n < 8; ++n) at[byte][n] = 8;
    }
  }
};
constexpr SelectTable kSelect;

int NthFreeCell(std::uint32_t freeCells, std::uint32_t n) {
  const std::uint32_t low = freeCells & 0xFF;
  const auto lowCount = static_cast<std::uint32_t>(std::popcount(low));
  if (n < lowCount) return kSelect.at[low][n];
  return 8 + kSelect.at[(freeCells >> 8) & 0xFF][n - lowCount];
}

std::uint64_t MulHigh(std::uint64_t a, std::uint64_t b) {
  __extension__ using Wide = unsigned __int128;
  return static_cast<std::uint64_t>((static_cast<Wide>(a) * b) >> 64);
}

int RankAmong(std::uint32_t freeCells, std::uint32_t cell) {
  return std::popcount(freeCells & ((1u << cell) - 1));
}

}  // namespace

PatternSpace::PatternSpace(std::string name, const std::vector<int>& trackedCells)
    : name_(std::move(name)) {
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
    groups_[groupCount_++] = Group{code, count, 0};
  }
  blankGroup_ = groupCount_;
  groups_[groupCount_++] = Group{kBlank, 1, 0};
  int freeCount = kCellCount;
  for (int g = 0; g < groupCount_; ++g) {
    groups_[g].radix = kBinomial.c[freeCount][groups_[g].count];
    groups_[g].inverse = groups_[g].radix > 1 ? UINT64_MAX / groups_[g].radix + 1 : 0;
    fastDivision_ = fastDivision_ && groups_[g].radix > 1;
    size_ *= groups_[g].radix;
    freeCount -= groups_[g].count;
  }
  fastDivision_ = fastDivision_ && size_ <= UINT32_MAX;
  goalIndex_ = Index(goal);
}

std::uint32_t PatternSpace::TileCells(const Layout& layout) const {
  std::uint32_t cells = 0;
  for (int g = 0; g < blankGroup_; ++g) cells |= layout.Cells(g);
  return cells;
}

std::uint64_t PatternSpace::Signature() const {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (int g = 0; g < groupCount_; ++g) {
    for (std::uint64_t part : {std::uint64_t(groups_[g].code), std::uint64_t(groups_[g].count)}) {
      hash = (hash ^ part) * 0x100000001b3ULL;
    }
  }
  return hash;
}

Layout PatternSpace::LayoutOf(PackedPosition position) const {
  Layout layout;
  for (int g = 0; g < groupCount_; ++g) layout.SetCells(g, position.CellsWith(groups_[g].code));
  return layout;
}

std::uint64_t PatternSpace::Index(const Layout& layout) const {
  std::uint32_t freeCells = 0xFFFF;
  std::uint64_t index = 0;
  for (int g = 0; g < groupCount_; ++g) {
    const Group& group = groups_[g];
    const std::uint32_t cells = layout.Cells(g);
    std::uint32_t digit;
    if (group.count == 1) {
      digit = RankAmong(freeCells, std::countr_zero(cells));
    } else if (group.count == 2) {
      digit = RankAmong(freeCells, std::countr_zero(cells)) +
              kBinomial.c[RankAmong(freeCells, 31 - std::countl_zero(cells))][2];
    } else {
      digit = 0;
      int k = 1;
      for (std::uint32_t left = cells; left != 0; left &= left - 1, ++k) {
        digit += kBinomial.c[RankAmong(freeCells, std::countr_zero(left))][k];
      }
    }
    freeCells ^= cells;
    index = index * group.radix + digit;
  }
  return index;
}

Layout PatternSpace::LayoutAt(std::uint64_t index) const {
  std::array<std::uint32_t, kMaxGroups> digits{};
  if (fastDivision_) {
    // Every table the game uses fits 32 bits: division by multiplication with a 64-bit inverse,
    // exact for 32-bit numerators, saves the divider a few hundred cycles a position.
    auto small = static_cast<std::uint32_t>(index);
    for (int g = groupCount_ - 1; g >= 0; --g) {
      const std::uint64_t inverse = groups_[g].inverse;
      const std::uint64_t quotient = MulHigh(inverse, small);
      digits[g] = static_cast<std::uint32_t>(MulHigh(inverse * small, groups_[g].radix));
      small = static_cast<std::uint32_t>(quotient);
    }
  } else {
    for (int g = groupCount_ - 1; g >= 0; --g) {
      digits[g] = static_cast<std::uint32_t>(index % groups_[g].radix);
      index /= groups_[g].radix;
    }
  }
  Layout layout;
  std::uint32_t freeCells = 0xFFFF;
  for (int g = 0; g < groupCount_; ++g) {
    std::uint32_t digit = digits[g];
    std::uint32_t cells = 0;
    if (groups_[g].count == 1) {
      cells = 1u << NthFreeCell(freeCells, digit);
    } else if (groups_[g].count == 2) {
      const std::uint32_t high = kBinomial.pairHigh[digit];
      cells = (1u << NthFreeCell(freeCells, high)) |
              (1u << NthFreeCell(freeCells, digit - kBinomial.c[high][2]));
    } else {
      // The largest rank first: the k-th smallest member is the largest n with C(n, k) not
      // above what is left of the digit.
      for (int k = groups_[g].count; k >= 1; --k) {
        std::uint32_t rank = static_cast<std::uint32_t>(k - 1);
        while (kBinomial.c[rank + 1][k] <= digit) ++rank;
        digit -= kBinomial.c[rank][k];
        cells |= 1u << NthFreeCell(freeCells, rank);
      }
    }
    layout.SetCells(g, cells);
    freeCells ^= cells;
  }
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
