// The puzzle core wired together: the state, its display, the moves and the bookkeeping, and the
// start-up that brings them to the goal pattern.
#pragma once

#include <cstdint>

#include "core/BoardDisplay.h"
#include "core/Bookkeeping.h"
#include "core/Completion.h"
#include "core/GameState.h"
#include "core/ModeHooks.h"
#include "core/Moves.h"
#include "core/RandomSource.h"
#include "core/Screen.h"

namespace kelvora {

class Game {
 public:
  Game(Screen& screen, RandomSource& random);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The game modes load their data at start-up and keep records at each completion.
  void SetModeHooks(ModeHooks* hooks);

  // Start-up: counters reset, generator seeded, move letters filled, data files loaded, goal
  // pattern put on the board and drawn. The board stays inert until a game is started.
  void Form_Load();

  // The common start of a game in either mode: the board takes clicks, the count starts at 0
  // and is shown, and the history starts empty (a record must hold its own solve's moves
  // only); the stage navigation is shown with the prepared stages and hidden otherwise.
  void BeginGame(std::int32_t mode);

  void Image1_Click(std::int16_t index) { moves_.Image1_Click(index); }
  void Label2_Click(std::int16_t index) { moves_.Label2_Click(index); }

  GameState& State() { return state_; }
  const GameState& State() const { return state_; }
  Screen& ScreenOps() { return screen_; }
  RandomSource& Random() { return random_; }
  BoardDisplay& Display() { return display_; }
  Bookkeeping& Books() { return bookkeeping_; }

 private:
  Screen& screen_;
  RandomSource& random_;
  ModeHooks* hooks_ = nullptr;
  GameState state_;
  BoardDisplay display_;
  Completion completion_;
  Bookkeeping bookkeeping_;
  Moves moves_;
};

}  // namespace kelvora
