// The game wired as the program wires it, over the data files in a folder, for the benchmarks.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "core/ClockRandom.h"
#include "game/Kelvora.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "ui/Form1.h"

namespace kelvora::bench {

struct WiredGame {
  WiredGame(const std::string& folder, std::function<void()> endProgram)
      : files(store, folder), form(std::move(endProgram), random, files), game(form.Game()) {}

  DiskFileStore store;
  RecordFiles files;
  ClockRandom random;
  ui::Form1 form;
  Kelvora& game;
};

}  // namespace kelvora::bench
