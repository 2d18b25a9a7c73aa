// Replay of a history, move by move, stopping where the game would have stopped taking moves.
#include "core/HistoryReplay.h"

#include <utility>

#include "core/Rules.h"
#include "text/ToolText.h"

namespace kelvora {

namespace {

Status NotASolve(std::string why) {
  return Status::Failed(Status::Code::kDamaged, text::ToolReason(std::move(why)));
}

}  // namespace

ReplayResult ReplayHistory(const Position& start, std::string_view history) {
  const auto moves = static_cast<long long>(history.size());
  ReplayResult result;
  result.position = start;
  if (start.IsGoal()) {
    // The game completes such a stage the moment it is put on the board.
    result.playable = true;
    result.solved = history.empty();
    if (!result.solved) result.status = NotASolve(text::replay::SolvedBeforeFirstMove());
    return result;
  }
  for (std::size_t i = 0; i < history.size(); ++i) {
    const char letter = history[i];
    const auto ordinal = static_cast<long long>(i) + 1;
    const std::optional<Move> move = Move::FromLetter(letter);
    if (!move) {
      result.status = NotASolve(text::replay::NotAMoveLetter(ordinal, letter));
      return result;
    }
    const std::optional<Position> after = Apply(result.position, *move);
    if (!after) {
      result.status = NotASolve(text::replay::NoBlankBeside(ordinal, letter));
      return result;
    }
    result.position = *after;
    result.movesPlayed = static_cast<int>(ordinal);
    if (result.position.IsGoal()) {
      // The board takes no move after the one that solves it.
      result.playable = true;
      result.solved = ordinal == moves;
      if (!result.solved) result.status = NotASolve(text::replay::SolvedEarly(ordinal, moves));
      return result;
    }
  }
  result.playable = true;
  result.status = NotASolve(text::replay::NotSolved(moves));
  return result;
}

}  // namespace kelvora
