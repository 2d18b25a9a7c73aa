// Starting, shuffling and recording random stages.
#include "modes/RandomStageMode.h"

#include <algorithm>
#include <cmath>

#include "core/TileIndex.h"
#include "modes/SaveFailureMessage.h"

namespace kelvora {

void RandomStageMode::StartRandomStage() {
  game_.BeginGame(kRandomStageMode);
  best_.ShowBest();
  ShuffleBoard();
  game_.Display().DrawBoard();
  game_.Books().CheckMatches();
}

int RandomStageMode::DrawCellNumber() {
  const double draw = std::floor(game_.Random().NextUnit() * 15.0);
  // A generator that strays outside [0, 1) must still not reach cell 15 or leave the board.
  return std::clamp(static_cast<int>(draw), 0, 14);
}

void RandomStageMode::ShuffleBoard() {
  GameState& state = game_.State();
  Board& board = state.board;
  for (int swap = 0; swap < 100; ++swap) {
    const int first = DrawCellNumber();
    const int second = DrawCellNumber();
    state.heldTile = board.At(ColumnOf(first), RowOf(first));
    board.Set(ColumnOf(first), RowOf(first), board.At(ColumnOf(second), RowOf(second)));
    board.Set(ColumnOf(second), RowOf(second), *state.heldTile);
  }
  // With the archive full there is no entry for the stage in play; it is played unrecorded.
  if (tables_.randomStageCount < kTableCapacity) {
    tables_.randomStages[tables_.randomStageCount + 1] = board.Field();
  }
}

void RandomStageMode::RecordRandomStage() {
  const GameState& state = game_.State();
  if (state.moveCount > kMostMovesRecorded) return;
  if (tables_.randomStageCount >= kTableCapacity) {
    // A player who is not told would think the stage was kept; once a session is enough.
    if (!toldArchiveFull_) {
      game_.ScreenOps().ShowMessage(
          "KELVORA",
          "ランダム面の記録は 50 面でいっぱいのため、この面は記録されませんでした。\n\n"
          "記録を続けるには、ゲームを終了してから MENDATA2.txt と BEST2.txt を別のフォルダーへ"
          "移してください（詳しくは README）。次の起動から新しい記録が始まります。");
      toldArchiveFull_ = true;
    }
    return;
  }
  const int n = tables_.randomStageCount + 1;
  tables_.randomRecordHistory[n] = state.moveHistory;
  tables_.randomRecordMoves[n] = state.moveCount;
  if (state.moveCount < tables_.randomBest) tables_.randomBest = state.moveCount;
  tables_.randomStageCount = n;
  ReportSaveFailures(game_.ScreenOps(), files_.SaveRandomRecords());
}

}  // namespace kelvora
