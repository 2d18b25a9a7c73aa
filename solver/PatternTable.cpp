// The walk down a table: every abstract position off the goal has a neighbour one step closer.
#include "solver/PatternTable.h"

#include <stdexcept>

#include "solver/MoveRules.h"

namespace kelvora::solver {

namespace {
constexpr int kLongestWalk = 1000;
}  // namespace

PatternTable::PatternTable(PatternSpace space, std::unique_ptr<TableMemory> memory)
    : space_(std::move(space)), memory_(std::move(memory)), bytes_(memory_->Bytes()) {
  if (bytes_.size() * kEntriesPerByte < space_.Size()) {
    throw std::invalid_argument("table " + space_.Name() + " is smaller than its pattern");
  }
}

int PatternTable::Distance(PackedPosition position) const {
  Layout here = space_.LayoutOf(position);
  std::uint64_t index = space_.Index(here);
  int distance = 0;
  while (index != space_.GoalIndex()) {
    const int closer = (Residue(index) + 2) % 3;
    const int blank = space_.BlankCell(here);
    const MoveList moves = LegalMoves(blank);
    bool stepped = false;
    for (int m = 0; m < moves.count && !stepped; ++m) {
      const Layout next = here.After(moves.moves[m], blank);
      const std::uint64_t nextIndex = space_.Index(next);
      if (Residue(nextIndex) == closer) {
        here = next;
        index = nextIndex;
        stepped = true;
      }
    }
    // No position is anywhere near this far away; a walk that gets here is going round in circles.
    if (!stepped || ++distance > kLongestWalk) {
      throw std::logic_error("table " + space_.Name() + " does not lead to the goal");
    }
  }
  return distance;
}

}  // namespace kelvora::solver
