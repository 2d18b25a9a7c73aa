// The puzzle on a recording screen, with every solve its moves hand back kept.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "core/Puzzle.h"
#include "tests/support/Positions.h"
#include "tests/support/RecordingScreen.h"

namespace kelvora::testing {

class PuzzleFixture : public ::testing::Test {
 protected:
  PuzzleFixture() { puzzle.ShowGoalAtStartUp(); }

  // A game begun on this position, as a mode would begin it.
  void PlayFrom(const Position& start) {
    puzzle.BeginGame();
    Keep(puzzle.ShowStage(start));
  }
  // Plays one move, as the game would.
  MoveOutcome Play(Move move) {
    MoveOutcome outcome = puzzle.Play(move);
    Keep(outcome);
    return outcome;
  }
  // Plays moves by their letters.
  void Play(const std::string& letters) {
    for (char letter : letters) Keep(puzzle.Play(*Move::FromLetter(letter)));
  }

  RecordingScreen screen;
  std::vector<Solve> solves;
  Puzzle puzzle{screen};

 private:
  void Keep(const MoveOutcome& outcome) {
    if (outcome.solve) solves.push_back(*outcome.solve);
  }
};

}  // namespace kelvora::testing
