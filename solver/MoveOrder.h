// Which moves may follow which on a search path, so that each shortest solution is tried once.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "solver/MoveRules.h"

namespace kelvora::solver {

// Many move sequences reach the same position: the two turned rows are far apart, a slide
// between rows 2 and 3 touches neither, a slide in rows 1-2 leaves row 4 alone (and one in rows
// 3-4 row 1), and two turns one way are two turns the other. Of all shortest solutions the
// search only looks at the first in this order of moves: row 1 right, row 1 left, row 4 right,
// row 4 left, then the slides. Any sequence with two neighbouring moves out of that order has an
// equally long twin that comes earlier, so forbidding them loses no shortest solution.
//
// A search carries a small state, what the moves just made allow next; a transposition table
// must key what it learns by it too, since a position's bound holds for the moves its state
// allows.
namespace internal {

// The bits of a move's kind in a set of allowed kinds: the four turns by their index, then a
// slide that takes the blank up, then one that takes it down.
constexpr int kBlankUpKind = 4;
constexpr int kBlankDownKind = 5;
constexpr unsigned KindBit(int kind) {
  return 1u << kind;
}
constexpr unsigned kRow1Kinds = KindBit(kRow1Right - kCellCount) | KindBit(kRow1Left - kCellCount);
constexpr unsigned kRow4Kinds = KindBit(kRow4Right - kCellCount) | KindBit(kRow4Left - kCellCount);
constexpr unsigned kTurnKinds = kRow1Kinds | kRow4Kinds;
constexpr unsigned kSlideKinds = KindBit(kBlankUpKind) | KindBit(kBlankDownKind);
constexpr unsigned kAllKinds = kTurnKinds | kSlideKinds;

}  // namespace internal

class MoveOrder {
 public:
  using State = std::uint8_t;
  // Nothing is forbidden: the start of a search.
  static constexpr State kStart = 0;
  static constexpr int kStateCount = 13;

  // Whether move (legal with the blank at blankCell) may follow in state.
  static constexpr bool Allows(State state, MoveIndex move, int blankCell) {
    return (kAllowed[state] >> KindOf(move, blankCell)) & 1u;
  }
  // The kinds of move state allows, one bit each. A state that allows fewer kinds also allows
  // fewer after any move both allow, so what holds with more moves allowed holds with fewer.
  static constexpr std::uint8_t AllowedKinds(State state) {
    return static_cast<std::uint8_t>(kAllowed[state]);
  }
  static constexpr State After(State state, MoveIndex move, int blankCell) {
    if (move < kCellCount) {
      // The rows the slide joins, counted by the upper one: 0, 1 or 2.
      const int upperRow = std::min(RowIndexOf(move), RowIndexOf(blankCell));
      return static_cast<State>(kFirstSlide + 2 * upperRow + (move < blankCell ? 0 : 1));
    }
    switch (move) {
      case kRow1Right:
        return state == kRow1RightOnce ? kRow1RightTwice : kRow1RightOnce;
      case kRow1Left:
        return kRow1LeftOnce;
      case kRow4Right:
        return state == kRow4RightOnce ? kRow4RightTwice : kRow4RightOnce;
      default:
        return kRow4LeftOnce;
    }
  }

 private:
  enum : State {
    kRow1RightOnce = 1,
    kRow1RightTwice,
    kRow1LeftOnce,
    kRow4RightOnce,
    kRow4RightTwice,
    kRow4LeftOnce,
    // Then two states for each pair of rows a slide joins: the blank moved up, or down.
    kFirstSlide,
  };
  static_assert(kFirstSlide + 6 == kStateCount);

  static constexpr int KindOf(MoveIndex move, int blankCell) {
    if (move >= kCellCount) return move - kCellCount;
    return move < blankCell ? internal::kBlankUpKind : internal::kBlankDownKind;
  }

  static constexpr std::array<unsigned, kStateCount> kAllowed = [] {
    using namespace internal;
    const unsigned row1Left = KindBit(kRow1Left - kCellCount);
    const unsigned row4Left = KindBit(kRow4Left - kCellCount);
    const unsigned up = KindBit(kBlankUpKind);
    const unsigned down = KindBit(kBlankDownKind);
    return std::array<unsigned, kStateCount>{
        kAllKinds,
        // Row 1 right once: not back; twice: a third is one turn left; once left: a second is
        // two turns right.
        kAllKinds & ~row1Left,
        kAllKinds & ~kRow1Kinds,
        kAllKinds & ~kRow1Kinds,
        // Row 4 the same, and row 1 no longer, as its turns come first.
        kAllKinds & ~kRow1Kinds & ~row4Left,
        kAllKinds & ~kTurnKinds,
        kAllKinds & ~kTurnKinds,
        // Slides never undone; a turn of a row the slide left alone would come first.
        kAllKinds & ~kRow4Kinds & ~down,
        kAllKinds & ~kRow4Kinds & ~up,
        kSlideKinds & ~down,
        kSlideKinds & ~up,
        kAllKinds & ~kRow1Kinds & ~down,
        kAllKinds & ~kRow1Kinds & ~up,
    };
  }();
};

}  // namespace kelvora::solver
