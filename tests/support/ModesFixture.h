// The whole game logic on a recording screen, with its data files in memory.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Goal.h"
#include "modes/DataFileWriter.h"
#include "modes/Kelvora.h"
#include "support/CoreFixture.h"
#include "support/MemoryFileStore.h"
#include "support/RecordingScreen.h"
#include "support/ScriptedRandom.h"

namespace kelvora::testing {

inline const std::string kFolder = "/games/kelvora/";

// The text of a stage file holding these stages.
inline std::string StageFileText(const std::vector<StageGrid>& stages) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<std::int32_t>(stages.size()));
  for (const StageGrid& stage : stages) {
    for (int column = 1; column <= 4; ++column) {
      for (int row = 1; row <= 4; ++row) writer.WriteNumber(stage[column][row]);
    }
  }
  return writer.Text();
}

// One slide from the goal, solved by tile M (index 12): the 10 above the blank in column 4.
inline StageGrid StageSolvedByM() {
  return RowsToGrid({1, 4, 7, 10, 2, 5, 8, 13, 2, 5, 8, 11, 3, 6, 9, 12});
}
// One turn from the goal, solved by arrow S (row 1 left).
inline StageGrid StageSolvedByS() {
  return RowsToGrid({13, 1, 4, 7, 2, 5, 8, 10, 2, 5, 8, 11, 3, 6, 9, 12});
}
// One turn of the bottom row from the goal, solved by arrow T (row 4 left).
inline StageGrid StageSolvedByT() {
  return RowsToGrid({1, 4, 7, 13, 2, 5, 8, 10, 2, 5, 8, 11, 12, 3, 6, 9});
}

class ModesFixture : public ::testing::Test {
 protected:
  ModesFixture() : game(screen, random, store, "/games/kelvora") {}

  // Lays out the data files and starts the game on them.
  void Load(const std::vector<StageGrid>& stages) {
    store.files[kFolder + "MENDATA1.txt"] = StageFileText(stages);
    game.Form_Load();
  }

  // Plays a history of letters by clicks.
  void Play(const std::string& letters) {
    for (char letter : letters) {
      if (letter >= 'Q') {
        game.Label2_Click(static_cast<std::int16_t>(letter - 'Q'));
      } else {
        game.Image1_Click(static_cast<std::int16_t>(letter - 'A'));
      }
    }
  }

  std::string File(const std::string& name) { return store.files[kFolder + name]; }
  GameState& state() { return game.State(); }
  DataTables& tables() { return game.Tables(); }

  RecordingScreen screen;
  ScriptedRandom random;
  MemoryFileStore store;
  Kelvora game;
};

}  // namespace kelvora::testing
