// The whole game on a recording screen, with its data files in memory.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Kelvora.h"
#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "tests/support/FixedStageMode.h"
#include "tests/support/MemoryFileStore.h"
#include "tests/support/Positions.h"
#include "tests/support/RecordingScreen.h"
#include "tests/support/ScriptedRandom.h"

namespace kelvora::testing {

// The game's folder, and the same with the separator that every data file's path has after it.
inline const std::string kGameFolder = SystemFolder("/games/kelvora");
inline const std::string kFolder = FolderWithSeparator(kGameFolder);

// The text of a stage file holding these stages.
inline std::string StageFileText(const std::vector<Position>& stages) {
  return RecordFiles::StageFileText(stages);
}

class GameFixture : public ::testing::Test {
 protected:
  GameFixture() : files(store, kGameFolder), game(screen, random, files) {}

  // Lays out a stage file (the record files as they are in the store) and starts the game,
  // which must find them sound.
  void Load(const std::vector<Position>& stages) {
    const Status started = TryLoad(stages);
    EXPECT_TRUE(started.ok()) << started.English();
  }
  // The same, for record files that may be damaged.
  Status TryLoad(const std::vector<Position>& stages) {
    store.files[kFolder + "MENDATA1.txt"] = StageFileText(stages);
    return game.Start();
  }

  // Plays moves by clicks, named by their letters.
  void Play(const std::string& letters) {
    for (char letter : letters) {
      if (letter >= 'Q') {
        game.ClickArrow(letter - 'Q');
      } else {
        game.ClickTile(letter - 'A');
      }
    }
  }

  // The file's text; empty when it was never written (without adding it to the store).
  std::string File(const std::string& name) const {
    auto it = store.files.find(kFolder + name);
    return it == store.files.end() ? std::string() : it->second;
  }

  RecordingScreen screen;
  ScriptedRandom random;
  MemoryFileStore store;
  RecordFiles files;
  Kelvora game;
};

}  // namespace kelvora::testing
