// Moves shown, counted and lettered; completion announced and handed back.
#include "core/Puzzle.h"

#include <utility>

#include "core/Rules.h"
#include "text/GameText.h"

namespace kelvora {

void Puzzle::ShowGoalAtStartUp() {
  moveCount_ = 0;
  takesMoves_ = false;
  board_ = Position::Goal();
  history_.clear();
  DrawBoard();
}

void Puzzle::BeginGame() {
  takesMoves_ = true;
  BeginStage();
}

void Puzzle::BeginStage() {
  moveCount_ = 0;
  // A record holds the moves of its own solve only, not those of a stage left unfinished.
  history_.clear();
  hinted_ = false;
  ShowMoveCount();
}

MoveOutcome Puzzle::ShowStage(const Position& start) {
  board_ = start;
  DrawBoard();
  return CountMatches();
}

MoveOutcome Puzzle::Play(Move move) {
  if (!takesMoves_) return MoveOutcome::Refused();
  const std::optional<Position> after = Apply(board_, move);
  if (!after) {
    screen_.Beep();
    return MoveOutcome::Refused();
  }
  // The pictures follow from the codes as they stand after the move, cell by cell in the order
  // the board has always repainted them.
  for (Cell cell : RepaintOrder(board_, move)) {
    screen_.SetTilePicture(TileIndexOf(cell), after->At(cell));
  }
  board_ = *after;
  ++moveCount_;
  ShowMoveCount();
  history_ += move.Letter();
  return CountMatches();
}

void Puzzle::DrawBoard() {
  for (int index = 0; index < kCellCount; ++index) {
    screen_.SetTilePicture(index, board_.At(CellAt(index)));
    screen_.ShowTile(index);
  }
}

void Puzzle::ShowMoveCount() {
  screen_.SetCaption(StatusLabel::kMoveCount, std::to_string(moveCount_));
  screen_.SetLabelVisible(StatusLabel::kMoveCount, true);
}

MoveOutcome Puzzle::CountMatches() {
  matchCount_ = board_.MatchesWithGoal();
  screen_.SetCaption(StatusLabel::kMatchCount, std::to_string(matchCount_));
  screen_.SetLabelVisible(StatusLabel::kMatchCount, true);
  if (matchCount_ != kCellCount) return MoveOutcome::Moved();
  return MoveOutcome::Solved(Complete());
}

Solve Puzzle::Complete() {
  screen_.SetCaption(StatusLabel::kCompletion, text::kCongratulations);
  screen_.SetLabelVisible(StatusLabel::kCompletion, true);
  screen_.Beep();
  screen_.Beep();
  // The solve is taken before the count and history are reset.
  Solve solve{moveCount_, std::move(history_), hinted_};
  moveCount_ = 0;
  takesMoves_ = false;
  // The board already shows the goal; there is nothing to redraw.
  board_ = Position::Goal();
  history_.clear();
  hinted_ = false;
  return solve;
}

}  // namespace kelvora
