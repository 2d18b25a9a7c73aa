// The player's two moves: a tile sliding into the blank above or below it, and a rotation of
// the top or bottom row.
#pragma once

#include <cstdint>

#include "core/Bookkeeping.h"
#include "core/GameState.h"
#include "core/Screen.h"

namespace kelvora {

class Moves {
 public:
  Moves(GameState& state, Screen& screen, Bookkeeping& bookkeeping)
      : state_(state), screen_(screen), bookkeeping_(bookkeeping) {}

  // A click on tile box index (0..15): a slide, or one beep when the blank is not next to it.
  void Image1_Click(std::int16_t index);
  // A click on arrow index (0..3): row 1 right, row 4 right, row 1 left, row 4 left.
  void Label2_Click(std::int16_t index);

  void SlideTile();
  void SwapWithBlank();
  void RotateRowRight();
  void RotateRowLeft();

 private:
  void AfterMove(std::int16_t kind);

  GameState& state_;
  Screen& screen_;
  Bookkeeping& bookkeeping_;
};

}  // namespace kelvora
