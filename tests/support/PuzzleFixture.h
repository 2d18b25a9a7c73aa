// The puzzle on a recording screen, with every solve it reports kept.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/Puzzle.h"
#include "tests/support/Positions.h"
#include "tests/support/RecordingScreen.h"

namespace kelvora::testing {

class PuzzleFixture : public ::testing::Test {
 protected:
  PuzzleFixture() : puzzle(screen, [this](const Solve& solve) { solves.push_back(solve); }) {
    puzzle.ShowGoalAtStartUp();
  }

  // A game begun on this position, as a mode would begin it.
  void PlayFrom(const Position& start) {
    puzzle.BeginGame();
    puzzle.ShowStage(start);
  }
  // Plays moves by their letters.
  void Play(const std::string& letters) {
    for (char letter : letters) puzzle.Play(*Move::FromLetter(letter));
  }

  RecordingScreen screen;
  std::vector<Solve> solves;
  Puzzle puzzle;
};

}  // namespace kelvora::testing
