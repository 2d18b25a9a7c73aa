// Start-up, the start of a game, and the clicks passed on to the puzzle and the mode in play.
#include "game/Kelvora.h"

#include <utility>

#include "text/GameText.h"

namespace kelvora {

Kelvora::Kelvora(Screen& screen, RandomSource& random, RecordFiles& files)
    : screen_(screen),
      generator_(random),
      files_(files),
      puzzle_(screen),
      context_{puzzle_, screen, records_, files, random} {}

Status Kelvora::Start() {
  generator_.SeedFromClock();
  Result<Records> loaded = files_.Load();
  if (!loaded) return loaded.status();
  records_ = std::move(*loaded);
  puzzle_.ShowGoalAtStartUp();
  return Status::Ok();
}

void Kelvora::Begin(GameMode& mode) {
  if (!mode.CanBegin(context_)) return;
  active_ = &mode;
  puzzle_.BeginGame();
  const bool navigation = mode.HasStageNavigation();
  for (StatusLabel label : {StatusLabel::kStageCaption, StatusLabel::kBack, StatusLabel::kNext}) {
    screen_.SetLabelVisible(label, navigation);
  }
  Settle(mode.Begin(context_));
}

void Kelvora::ClickTile(int tileIndex) {
  if (tileIndex >= 0 && tileIndex < kCellCount) Settle(puzzle_.Play(Move::TileClick(tileIndex)));
}

void Kelvora::ClickArrow(int arrow) {
  if (arrow >= 0 && arrow < kArrowCount) Settle(puzzle_.Play(Move::ArrowClick(arrow)));
}

void Kelvora::StepStage(StageStep step) {
  if (active_ != nullptr) Settle(active_->Step(context_, step));
}

void Kelvora::NoteHintShown() {
  if (!puzzle_.TakesMoves()) return;
  const bool first = !puzzle_.Hinted();
  puzzle_.NoteHint();
  if (first) screen_.ShowMessage(text::kHintTitle, text::kHintNotRecorded);
}

void Kelvora::Settle(const MoveOutcome& outcome) {
  if (!outcome.solve) return;
  // A stage solved before any game began (none can be) keeps no records; nor does one the
  // solver helped with, so that a best stays the player's own.
  if (active_ != nullptr && !outcome.solve->hinted) active_->StageSolved(context_, *outcome.solve);
}

GameView Kelvora::View() const {
  return {puzzle_.Board(),
          puzzle_.MoveCount(),
          puzzle_.History(),
          puzzle_.TakesMoves(),
          puzzle_.MatchCount(),
          puzzle_.Hinted(),
          active_,
          prepared_.Stage(),
          records_};
}

}  // namespace kelvora
