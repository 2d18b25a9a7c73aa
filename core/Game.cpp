// Wiring of the core and its start-up sequence.
#include "core/Game.h"

#include <string>

namespace kelvora {

Game::Game(Screen& screen, RandomSource& random)
    : screen_(screen),
      random_(random),
      display_(state_, screen),
      completion_(state_, screen, display_),
      bookkeeping_(state_, screen, completion_),
      moves_(state_, screen, bookkeeping_) {}

void Game::SetModeHooks(ModeHooks* hooks) {
  hooks_ = hooks;
  completion_.SetModeHooks(hooks);
}

void Game::Form_Load() {
  state_.moveCount = 0;
  state_.gameActive = 0;
  random_.SeedFromClock();
  for (int entry = 0; entry < 20; ++entry) {
    state_.moveLetters[entry] = std::string(1, static_cast<char>('A' + entry));
  }
  if (hooks_ != nullptr) hooks_->LoadDataFiles();
  display_.InitGoal();
  display_.DrawBoard();
}

void Game::BeginGame(std::int32_t mode) {
  state_.gameActive = 1;
  state_.gameMode = mode;
  state_.moveCount = 0;
  state_.moveHistory.clear();
  bookkeeping_.ShowMoveCount();
  const bool navigation = mode == kPreparedStageMode;
  screen_.SetLabelVisible(ScreenLabel::Label7, navigation);
  screen_.SetLabelVisible(ScreenLabel::Label8_0, navigation);
  screen_.SetLabelVisible(ScreenLabel::Label8_1, navigation);
}

}  // namespace kelvora
