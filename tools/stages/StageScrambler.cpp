// Random walks from the goal through the game's own moves.
#include "tools/stages/StageScrambler.h"

#include <random>
#include <set>

#include "core/Game.h"
#include "core/Goal.h"
#include "core/NullScreen.h"
#include "core/TileCodes.h"
#include "core/TileIndex.h"

namespace kelvora {

namespace {

class UnusedRandom final : public RandomSource {
 public:
  void SeedFromClock() override {}
  double NextUnit() override { return 0.0; }
};

struct Move {
  char letter;
  char undo;
};

// The moves possible in a position, each with the letter that takes it back.
std::vector<Move> MovesFrom(const Board& board) {
  std::vector<Move> moves = {{'Q', 'S'}, {'R', 'T'}, {'S', 'Q'}, {'T', 'R'}};
  for (int index = 0; index < kTileBoxCount; ++index) {
    const int column = ColumnOf(index);
    const int row = RowOf(index);
    if (board.At(column, row) == kBlank) continue;
    // The tile lands on the blank's cell; clicking it there slides it back.
    if (board.At(column, row + 1) == kBlank)
      moves.push_back({char('A' + index), char('A' + index + 1)});
    if (board.At(column, row - 1) == kBlank)
      moves.push_back({char('A' + index), char('A' + index - 1)});
  }
  return moves;
}

void Apply(Game& game, char letter) {
  if (letter >= 'Q') {
    game.Label2_Click(static_cast<std::int16_t>(letter - 'Q'));
  } else {
    game.Image1_Click(static_cast<std::int16_t>(letter - 'A'));
  }
}

}  // namespace

std::vector<ScrambledStage> ScrambleStages(std::uint32_t seed,
                                           const std::vector<int>& walkLengths) {
  std::mt19937 rng(seed);
  NullScreen screen;
  UnusedRandom unused;
  Game game(screen, unused);
  game.Form_Load();
  std::vector<ScrambledStage> stages;
  for (int length : walkLengths) {
    GameState& state = game.State();
    state.board.SetField(GoalPattern());
    state.gameActive = 1;
    std::set<StageGrid> visited = {GoalPattern()};
    std::string undo;
    while (static_cast<int>(undo.size()) < length) {
      // Only moves to positions not seen on this walk, so the walk never doubles back.
      std::vector<Move> fresh;
      for (const Move& move : MovesFrom(state.board)) {
        Game probe(screen, unused);
        probe.Form_Load();
        probe.State().board = state.board;
        probe.State().gameActive = 1;
        Apply(probe, move.letter);
        if (visited.count(probe.State().board.Field()) == 0) fresh.push_back(move);
      }
      if (fresh.empty()) break;
      const Move& move = fresh[rng() % fresh.size()];
      Apply(game, move.letter);
      visited.insert(state.board.Field());
      undo.insert(undo.begin(), move.undo);
    }
    stages.push_back({state.board.Field(), undo});
  }
  return stages;
}

std::vector<int> DeliveredWalkLengths() {
  return {1,  2,  3,  4,  5,  6,  7,  8,  10, 12, 14, 16, 18, 20, 22,
          24, 26, 28, 30, 33, 36, 39, 42, 45, 48, 51, 54, 57, 60, 64};
}

}  // namespace kelvora
