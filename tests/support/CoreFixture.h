// A core game on a recording screen, with helpers to put positions on the board.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/Game.h"
#include "core/Goal.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"

namespace kelvora::testing {

// Builds a position from 16 codes given row by row, top row first, as the board looks.
inline StageGrid RowsToGrid(const std::array<int, 16>& rows) {
  StageGrid grid{};
  for (int row = 1; row <= 4; ++row) {
    for (int column = 1; column <= 4; ++column)
      grid[column][row] = rows[(row - 1) * 4 + column - 1];
  }
  return grid;
}

// Counts record-keeping calls made by a completion.
struct CountingHooks : ModeHooks {
  void LoadDataFiles() override { ++loads; }
  void UpdatePreparedBest() override { ++prepared; }
  void RecordRandomStage() override { ++random; }
  int loads = 0;
  int prepared = 0;
  int random = 0;
};

class CoreFixture : public ::testing::Test {
 protected:
  CoreFixture() : game(screen, random) {
    game.SetModeHooks(&hooks);
    game.Form_Load();
  }

  // Puts a position on the board, draws it and lets the tiles take clicks, as a start would.
  void Play(const StageGrid& position) {
    state().board.SetField(position);
    state().gameActive = 1;
    game.Display().DrawBoard();
  }

  GameState& state() { return game.State(); }

  RecordingScreen screen;
  ScriptedRandom random;
  CountingHooks hooks;
  Game game;
};

}  // namespace kelvora::testing
