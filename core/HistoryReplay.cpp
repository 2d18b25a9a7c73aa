// Replay of a history, move by move, stopping where the game would have stopped taking moves.
#include "core/HistoryReplay.h"

#include "core/Rules.h"
#include "text/ToolText.h"

namespace kelvora {

namespace {

std::string Ordinal(std::size_t position) {
  return "move " + std::to_string(position + 1);
}

}  // namespace

ReplayResult ReplayHistory(const Position& start, std::string_view history) {
  ReplayResult result;
  result.position = start;
  if (start.IsGoal()) {
    // The game completes such a stage the moment it is put on the board.
    result.playable = true;
    result.solved = history.empty();
    if (!result.solved) result.problem = "the stage is solved before the first move";
    return result;
  }
  for (std::size_t i = 0; i < history.size(); ++i) {
    const char letter = history[i];
    const std::optional<Move> move = Move::FromLetter(letter);
    if (!move) {
      result.problem =
          Ordinal(i) + " is '" + std::string(1, letter) + "', not a move letter A to T";
      return result;
    }
    const std::optional<Position> after = Apply(result.position, *move);
    if (!after) {
      result.problem = Ordinal(i) + " ('" + std::string(1, letter) +
                       "') slides a tile that has no blank above or below it";
      return result;
    }
    result.position = *after;
    result.movesPlayed = static_cast<int>(i) + 1;
    if (result.position.IsGoal()) {
      // The board takes no move after the one that solves it.
      result.playable = true;
      result.solved = i + 1 == history.size();
      if (!result.solved) {
        result.problem = "the stage is solved after " + std::to_string(i + 1) + " of " +
                         text::CountOf(static_cast<long long>(history.size()), "move", "moves");
      }
      return result;
    }
  }
  result.playable = true;
  result.problem = "the stage is not solved after " +
                   text::CountOf(static_cast<long long>(history.size()), "move", "moves");
  return result;
}

}  // namespace kelvora
