// The puzzle in play: the position on the board, the moves counted and lettered, the cells in
// their goal place, and whether the board takes moves at all. Every change reaches the screen
// as it happens; a move that solves the stage says so in what it returns, once.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/Move.h"
#include "core/Position.h"
#include "core/Screen.h"

namespace kelvora {

// A solved stage as the records keep it.
struct Solve {
  int moves = 0;
  // The letters of the moves, oldest first.
  std::string history;
  // A hint was shown during the stage: the solve is the solver's as much as the player's.
  bool hinted = false;
};

// What became of a move, or of a stage put on the board. Whoever keeps the records acts on a
// solve only once the board has settled, so a solve is handed back rather than reported from
// inside the move.
struct [[nodiscard]] MoveOutcome {
  enum class Kind {
    kRefused,  // nothing changed: the board takes no moves, or the slide has no blank beside it
    kMoved,    // the board changed and takes the next move
    kSolved,   // the board changed and the stage is solved: solve holds it
  };

  static MoveOutcome Refused() { return {Kind::kRefused, std::nullopt}; }
  static MoveOutcome Moved() { return {Kind::kMoved, std::nullopt}; }
  static MoveOutcome Solved(Solve solve) { return {Kind::kSolved, std::move(solve)}; }

  Kind kind = Kind::kRefused;
  // Set exactly when kind is kSolved.
  std::optional<Solve> solve;
};

class Puzzle {
 public:
  explicit Puzzle(Screen& screen) : screen_(screen) {}
  Puzzle(const Puzzle&) = delete;
  Puzzle& operator=(const Puzzle&) = delete;

  // Start-up: the goal on the board and drawn; the board takes no moves until a game begins.
  void ShowGoalAtStartUp();
  // A new game: the board takes moves from now on, and its first stage begins.
  void BeginGame();
  // A new stage of the game in play: no moves yet, the count of 0 shown.
  void BeginStage();
  // The stage's starting position on the board and drawn, its cells in place counted; a
  // stage that starts solved is solved at once, with no moves.
  MoveOutcome ShowStage(const Position& start);
  // A click on a tile or an arrow: nothing while the board takes no moves, one beep for a
  // refused slide; otherwise the move is made, shown, counted and lettered.
  MoveOutcome Play(Move move);
  // A hint is shown for the stage in play; the stage's solve will say so.
  void NoteHint() { hinted_ = true; }

  const Position& Board() const { return board_; }
  int MoveCount() const { return moveCount_; }
  const std::string& History() const { return history_; }
  bool TakesMoves() const { return takesMoves_; }
  int MatchCount() const { return matchCount_; }
  bool Hinted() const { return hinted_; }

 private:
  void DrawBoard();
  void ShowMoveCount();
  // The cells in place counted and shown; the stage completed when all are.
  MoveOutcome CountMatches();
  // The announcement, and the board inert with the goal (which it shows); the solve returned.
  Solve Complete();

  Screen& screen_;
  Position board_ = Position::Goal();
  int moveCount_ = 0;
  std::string history_;
  bool takesMoves_ = false;
  int matchCount_ = 0;
  bool hinted_ = false;
};

}  // namespace kelvora
