// The walk down a table: every abstract position off the goal has a way one step closer.
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
  // Each step looks through the positions that moves costing nothing reach, all as far from the
  // goal as this one, for the goal or a move that costs one to a position a step closer. Where
  // every move costs one, that is this position alone.
  std::vector<Layout> level;
  std::unordered_set<std::uint64_t> seen;
  for (int distance = 0; distance <= kLongestWalk; ++distance) {
    const int closer = (Residue(index) + 2) % 3;
    level.assign(1, here);
    seen.clear();
    bool stepped = false;
    for (std::size_t at = 0; at < level.size() && !stepped; ++at) {
      const Layout from = level[at];
      const std::uint64_t fromIndex = at == 0 ? index : space_.Index(from);
      if (fromIndex == space_.GoalIndex()) return distance;
      const int blank = space_.BlankCell(from);
      const MoveList moves = LegalMoves(blank);
      for (int m = 0; m < moves.count && !stepped; ++m) {
        const Layout next = from.After(moves.moves[m], blank);
        const std::uint64_t nextIndex = space_.Index(next);
        if (space_.CostOf(moves.moves[m], space_.TileCells(from)) == 0) {
          if (seen.empty()) seen.insert(index);
          if (seen.insert(nextIndex).second) level.push_back(next);
        } else if (Residue(nextIndex) == closer) {
          here = next;
          index = nextIndex;
          stepped = true;
        }
      }
    }
    if (!stepped) break;
  }
  // No position is anywhere near this far away; a walk that gets here is going round in circles.
  throw std::logic_error("table " + space_.Name() + " does not lead to the goal");
}

}  // namespace kelvora::solver
