// Everything a game in progress is: the position, the goal and the counters the moves keep.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/Board.h"
#include "core/StageGrid.h"

namespace kelvora {

constexpr std::int32_t kPreparedStageMode = 1;
constexpr std::int32_t kRandomStageMode = 2;
constexpr std::int16_t kTileSlide = 1;
constexpr std::int16_t kRowRotation = 2;

struct GameState {
  // The tile carried while a move or a shuffle swap is under way.
  std::optional<int> heldTile;
  // +1 / -1 for a slide (blank below / above the tile), the row 1 or 4 for a rotation.
  std::int16_t moveArg = 0;
  std::int16_t matchCount = 0;
  std::int32_t clickedColumn = 0;
  std::int32_t clickedRow = 0;
  // Index, within its own control array, of the control last clicked.
  std::int32_t clickIndex = 0;
  // 0: tiles and arrows ignore clicks; 1: a game is running.
  std::int16_t gameActive = 0;
  std::int16_t lastMoveKind = 0;
  // 0 before the first start, then kPreparedStageMode or kRandomStageMode.
  std::int32_t gameMode = 0;
  std::int32_t moveCount = 0;
  // "A".."T" in entries 0..19 once the game has loaded; entry 20 stays empty.
  std::array<std::string, 21> moveLetters{};
  Board board;
  StageGrid goal{};
  std::int32_t stageNumber = 0;
  std::string moveHistory;
};

}  // namespace kelvora
