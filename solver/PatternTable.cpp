// The walk down a table: off the goal, a step closer is always a few free moves away.
#include "solver/PatternTable.h"

#include <stdexcept>
#include <unordered_set>
#include <vector>

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
  for (int distance = 0; distance <= kLongestWalk; ++distance) {
    // Free moves keep the distance, so the step closer may be a few free moves away: the search
    // goes through all that is as far as here, nearest first, until the goal or a step closer.
    const int residue = Residue(index);
    const int closer = (residue + 2) % 3;
    std::vector<Layout> level{here};
    std::unordered_set<std::uint64_t> seen{index};
    bool stepped = false;
    for (std::size_t at = 0; at < level.size() && !stepped; ++at) {
      const Layout from = level[at];
      if (space_.Index(from) == space_.GoalIndex()) return distance;
      const int blank = space_.BlankCell(from);
      const std::uint32_t tiles = space_.TileCells(from);
      const MoveList moves = LegalMoves(blank);
      for (int m = 0; m < moves.count && !stepped; ++m) {
        const Layout next = from.After(moves.moves[m], blank);
        const std::uint64_t nextIndex = space_.Index(next);
        if (space_.Costs(moves.moves[m], tiles)) {
          if (Residue(nextIndex) == closer) {
            here = next;
            index = nextIndex;
            stepped = true;
          }
        } else if (Residue(nextIndex) == residue && seen.insert(nextIndex).second) {
          level.push_back(next);
        }
      }
    }
    if (!stepped) break;
  }
  // No position is anywhere near this far away; a walk that gets here is going round in circles.
  throw std::logic_error("table " + space_.Name() + " does not lead to the goal");
}

}  // namespace kelvora::solver
