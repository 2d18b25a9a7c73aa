// Starting, stepping and recording prepared stages.
#include "modes/PreparedStageMode.h"

#include <cstdlib>
#include <string>

#include "modes/SaveFailureMessage.h"

namespace kelvora {

void PreparedStageMode::StartPreparedStages() {
  GameState& state = game_.State();
  if (tables_.preparedStageCount < 1) {
    game_.ScreenOps().ShowMessage("KELVORA", "用意された面がありません。");
    return;
  }
  game_.BeginGame(kPreparedStageMode);
  state.stageNumber = 1;
  PutStageOnBoard();
}

void PreparedStageMode::Label8_Click(std::int16_t index) {
  GameState& state = game_.State();
  // The labels are only shown in this mode, which needs at least one stage.
  if (index < 0 || index > 1 || tables_.preparedStageCount < 1) return;
  state.clickIndex = index;
  state.moveCount = 0;
  state.moveHistory.clear();
  game_.Books().ShowMoveCount();
  if (index == 0) {
    state.stageNumber -= 1;
    if (state.stageNumber < 1) state.stageNumber = tables_.preparedStageCount;
  } else {
    state.stageNumber += 1;
    if (state.stageNumber > tables_.preparedStageCount) state.stageNumber = 1;
  }
  PutStageOnBoard();
}

void PreparedStageMode::PutStageOnBoard() {
  ShowStageNumber();
  best_.ShowBest();
  LoadPreparedStage();
  game_.Display().DrawBoard();
  game_.Books().CheckMatches();
}

void PreparedStageMode::LoadPreparedStage() {
  game_.State().board.SetField(tables_.preparedStages.at(game_.State().stageNumber));
}

void PreparedStageMode::ShowStageNumber() {
  // A sign position before the number: one blank for stage 3, as in "第 3面".
  const std::int32_t stage = game_.State().stageNumber;
  const std::string caption =
      std::string("第") + (stage < 0 ? "-" : " ") + std::to_string(std::abs(stage)) + "面";
  game_.ScreenOps().SetCaption(ScreenLabel::Label7, caption);
  game_.ScreenOps().SetLabelVisible(ScreenLabel::Label7, true);
}

void PreparedStageMode::UpdatePreparedBest() {
  const GameState& state = game_.State();
  const int stage = state.stageNumber;
  std::int32_t& best = tables_.bestMoves.at(stage);
  // A stored 0 is no record yet; a tie replaces the stored history with the later solve.
  if (!(state.moveCount <= best || best == 0)) return;
  tables_.bestHistory.at(stage) = state.moveHistory;
  best = state.moveCount;
  ReportSaveFailures(game_.ScreenOps(), files_.SavePreparedBest());
}

}  // namespace kelvora
