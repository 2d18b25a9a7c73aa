// Replay of a history with a game that has no screen and keeps no records.
#include "core/HistoryReplay.h"

#include "core/Game.h"
#include "core/NullScreen.h"

namespace kelvora {

namespace {

// A replay never shuffles, so the generator is never drawn from.
class UnusedRandom final : public RandomSource {
 public:
  void SeedFromClock() override {}
  double NextUnit() override { return 0.0; }
};

bool AllMatch(const StageGrid& position, const StageGrid& goal) {
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      if (position[column][row] != goal[column][row]) return false;
    }
  }
  return true;
}

std::string Ordinal(std::size_t position) {
  return "move " + std::to_string(position + 1);
}

std::string CountOfMoves(std::size_t count) {
  return std::to_string(count) + (count == 1 ? " move" : " moves");
}

}  // namespace

ReplayResult ReplayHistory(const StageGrid& start, std::string_view history) {
  NullScreen screen;
  UnusedRandom random;
  Game game(screen, random);
  game.Form_Load();
  GameState& state = game.State();
  state.board.SetField(start);
  state.gameActive = 1;

  ReplayResult result;
  result.position = start;
  if (AllMatch(start, state.goal)) {
    // The game completes such a stage the moment it is put on the board.
    result.playable = true;
    result.solved = history.empty();
    if (!result.solved) result.problem = "the stage is solved before the first move";
    return result;
  }
  for (std::size_t i = 0; i < history.size(); ++i) {
    const char letter = history[i];
    const int before = state.moveCount;
    if (letter >= 'A' && letter <= 'P') {
      game.Image1_Click(static_cast<std::int16_t>(letter - 'A'));
    } else if (letter >= 'Q' && letter <= 'T') {
      game.Label2_Click(static_cast<std::int16_t>(letter - 'Q'));
    } else {
      result.problem =
          Ordinal(i) + " is '" + std::string(1, letter) + "', not a move letter A to T";
      result.position = state.board.Field();
      return result;
    }
    if (state.gameActive == 0) {
      result.movesPlayed = static_cast<int>(i) + 1;
      result.position = state.board.Field();
      result.playable = true;
      if (i + 1 == history.size()) {
        result.solved = true;
      } else {
        result.problem = "the stage is solved after " + std::to_string(i + 1) + " of " +
                         CountOfMoves(history.size());
      }
      return result;
    }
    if (state.moveCount == before) {
      result.problem = Ordinal(i) + " ('" + std::string(1, letter) +
                       "') slides a tile that has no blank above or below it";
      result.movesPlayed = static_cast<int>(i);
      result.position = state.board.Field();
      return result;
    }
  }
  result.playable = true;
  result.movesPlayed = static_cast<int>(history.size());
  result.position = state.board.Field();
  result.problem = "the stage is not solved after " + CountOfMoves(history.size());
  return result;
}

}  // namespace kelvora
