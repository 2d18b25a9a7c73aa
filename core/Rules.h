// What a move does to a position, as pure functions: the rules, apart from any screen.
#pragma once

#include <optional>
#include <vector>

#include "core/Move.h"
#include "core/Position.h"

namespace kelvora {

// The position after the move, or nothing when the move is refused: a slide of a tile that has
// no blank directly above or below it (the blank itself included). A turn is always allowed and
// carries the blank along if it lies in the turned row.
std::optional<Position> Apply(const Position& position, Move move);

// The cells whose tiles an allowed move changes, in the order the board repaints them: for a
// slide the blank's cell, then the tile's; for a turn the three cells a tile moves along into,
// left to right, and last the cell the tile from the other end wraps round into.
std::vector<Cell> RepaintOrder(const Position& before, Move move);

// Where the blank is that a slide of this cell's tile would move into; the cell below is looked
// at first.
std::optional<Cell> BlankBesides(const Position& position, Cell cell);

}  // namespace kelvora
