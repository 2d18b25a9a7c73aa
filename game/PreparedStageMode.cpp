// Starting, stepping and recording prepared stages.
#include "game/PreparedStageMode.h"

#include <optional>

#include "game/Bests.h"
#include "game/DeliveredPars.h"
#include "text/GameText.h"

namespace kelvora {

bool PreparedStageMode::CanBegin(const GameContext& game) const {
  if (!game.records.prepared.empty()) return true;
  game.screen.ShowMessage(text::kMessageTitle, text::kNoPreparedStages);
  return false;
}

MoveOutcome PreparedStageMode::Begin(GameContext& game) {
  stage_ = 1;
  return PutStageOnBoard(game);
}

MoveOutcome PreparedStageMode::Step(GameContext& game, StageStep step) {
  const int count = static_cast<int>(game.records.prepared.size());
  // The labels are shown in this mode only, which begins only with a stage to play.
  if (count < 1) return MoveOutcome::Refused();
  game.puzzle.BeginStage();
  if (step == StageStep::kBack) {
    stage_ = stage_ > 1 ? stage_ - 1 : count;
  } else {
    stage_ = stage_ < count ? stage_ + 1 : 1;
  }
  return PutStageOnBoard(game);
}

MoveOutcome PreparedStageMode::PutStageOnBoard(GameContext& game) {
  game.screen.SetCaption(StatusLabel::kStageCaption, text::StageCaption(stage_));
  game.screen.SetLabelVisible(StatusLabel::kStageCaption, true);
  const PreparedStage& stage = game.records.prepared.at(stage_ - 1);
  const std::optional<int> par = DeliveredPar(stage.start);
  game.screen.SetToolTip(StatusLabel::kStageCaption, par ? text::ParToolTip(*par) : "");
  game.ShowBest(PreparedBest(stage), kNoPreparedBestShown);
  return game.puzzle.ShowStage(stage.start);
}

void PreparedStageMode::StageSolved(GameContext& game, const Solve& solve) {
  PreparedStage& stage = game.records.prepared.at(stage_ - 1);
  // A tie replaces the stored history with the later solve. The best beside the board keeps
  // its old figure until the stage is shown again.
  const std::optional<int> best = PreparedBest(stage);
  if (best && solve.moves > *best) return;
  KeepPreparedBest(stage, solve);
  game.ReportSaveFailures(game.files.SavePreparedBests(game.records));
}

}  // namespace kelvora
