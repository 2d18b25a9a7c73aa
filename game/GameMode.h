// A way to play: where its stages come from, which records it keeps of a solve, and which best
// stands beside the board. The game holds one mode active at a time; adding a mode is a class
// of this kind and one line that offers it.
#pragma once

#include <optional>
#include <vector>

#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "core/Screen.h"
#include "records/RecordFiles.h"
#include "records/Records.h"

namespace kelvora {

// What a mode plays on: the puzzle, the screen, the records with their files, the generator.
struct GameContext {
  Puzzle& puzzle;
  Screen& screen;
  Records& records;
  RecordFiles& files;
  RandomSource& random;

  // The best result of the mode in play, beside the board under "Best"; shownForNone while
  // there is none.
  void ShowBest(std::optional<int> best, int shownForNone) const;
  // One message naming every file a save could not write, if there is any.
  void ReportSaveFailures(const std::vector<SaveFailure>& failures) const;
};

enum class StageStep { kBack, kNext };

class GameMode {
 public:
  virtual ~GameMode() = default;

  // False when the mode has nothing to play: it has told the player why and changed nothing.
  virtual bool CanBegin(const GameContext&) const { return true; }
  // Whether "back" and "next" step through this mode's stages.
  virtual bool HasStageNavigation() const { return false; }
  // The game has begun (the board takes moves, the count is 0): the mode shows its best and
  // puts its first stage on the board, handing back what became of it (a stage may start
  // solved).
  virtual MoveOutcome Begin(GameContext& game) = 0;
  // "back" or "next": a mode without stage navigation has nothing to step. Hands back what
  // became of the stage put on the board, as Begin does.
  virtual MoveOutcome Step(GameContext&, StageStep) { return MoveOutcome::Refused(); }
  // A stage of this mode was solved without a hint: the mode keeps what it records of it and
  // saves at once.
  virtual void StageSolved(GameContext& game, const Solve& solve) = 0;
};

}  // namespace kelvora
