// The whole game behind the main window: the puzzle core with its two modes and their data
// files, wired so the window only forwards its events.
#pragma once

#include <cstdint>
#include <string>

#include "core/Game.h"
#include "core/ModeHooks.h"
#include "core/RandomSource.h"
#include "core/Screen.h"
#include "modes/BestDisplay.h"
#include "modes/DataFiles.h"
#include "modes/DataTables.h"
#include "modes/FileStore.h"
#include "modes/PreparedStageMode.h"
#include "modes/RandomStageMode.h"

namespace kelvora {

class Kelvora final : private ModeHooks {
 public:
  // programFolder: where the data files lie, the executable's folder in the game.
  Kelvora(Screen& screen, RandomSource& random, FileStore& store, std::string programFolder);
  Kelvora(const Kelvora&) = delete;
  Kelvora& operator=(const Kelvora&) = delete;

  // Start-up; throws DataFileError when a data file cannot be used, having written nothing.
  void Form_Load() { game_.Form_Load(); }

  void Image1_Click(std::int16_t index) { game_.Image1_Click(index); }
  void Label2_Click(std::int16_t index) { game_.Label2_Click(index); }
  void Label8_Click(std::int16_t index) { prepared_.Label8_Click(index); }
  void StartPreparedStages() { prepared_.StartPreparedStages(); }
  void StartRandomStage() { random_.StartRandomStage(); }

  std::string MYpath() const { return files_.MYpath(); }
  // Only for the one copy that holds the game folder's lock.
  void RemoveSaveLeftovers() { files_.RemoveSaveLeftovers(); }

  Game& Core() { return game_; }
  GameState& State() { return game_.State(); }
  DataTables& Tables() { return tables_; }
  DataFiles& Files() { return files_; }

 private:
  void LoadDataFiles() override { files_.LoadDataFiles(); }
  void UpdatePreparedBest() override { prepared_.UpdatePreparedBest(); }
  void RecordRandomStage() override { random_.RecordRandomStage(); }

  Game game_;
  DataTables tables_;
  DataFiles files_;
  BestDisplay best_;
  PreparedStageMode prepared_;
  RandomStageMode random_;
};

}  // namespace kelvora
