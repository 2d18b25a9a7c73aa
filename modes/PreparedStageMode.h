// Prepared stages: played from stage 1, stepped with "back" and "next", each stage's best kept.
#pragma once

#include <cstdint>

#include "core/Game.h"
#include "modes/BestDisplay.h"
#include "modes/DataFiles.h"
#include "modes/DataTables.h"

namespace kelvora {

class PreparedStageMode {
 public:
  PreparedStageMode(Game& game, DataTables& tables, DataFiles& files, BestDisplay& best)
      : game_(game), tables_(tables), files_(files), best_(best) {}

  // Enters the mode at stage 1, dropping any game in progress. With no prepared stages it
  // says so and changes nothing.
  void StartPreparedStages();
  // index 0 "back", 1 "next"; both wrap round.
  void Label8_Click(std::int16_t index);
  void LoadPreparedStage();
  void ShowStageNumber();
  // Keeps the solve if it is the stage's first or ties or beats its best, and saves at once.
  void UpdatePreparedBest();

 private:
  // The stage on the board afresh: its caption, its best, its starting position.
  void PutStageOnBoard();

  Game& game_;
  DataTables& tables_;
  DataFiles& files_;
  BestDisplay& best_;
};

}  // namespace kelvora
