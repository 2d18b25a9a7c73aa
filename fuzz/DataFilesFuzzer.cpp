// Feeds arbitrary bytes as the four data files to the game's start-up: it must either load
// sound tables or name the damaged file and line, and must never write or crash.
//
// An input is a list of files, each introduced by a line "#FILE <name>"; a file without its
// section is missing. Anything before the first section is ignored.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "core/ClockRandom.h"
#include "core/NullScreen.h"
#include "core/TileCodes.h"
#include "modes/DataFileError.h"
#include "modes/FileStore.h"
#include "modes/Kelvora.h"

namespace {

using kelvora::FileReadResult;
using kelvora::FileWriteResult;

constexpr const char* kFolder = "/fuzz/";

class FuzzStore final : public kelvora::FileStore {
 public:
  explicit FuzzStore(std::map<std::string, std::string> files) : files_(std::move(files)) {}
  FileReadResult Read(const std::string& path) override {
    FileReadResult result;
    auto it = files_.find(path);
    if (it == files_.end()) return result;
    result.status = FileReadResult::Status::kRead;
    result.contents = it->second;
    return result;
  }
  FileWriteResult Replace(const std::string& path, const std::string& contents) override {
    // Loading must never write; a game played afterwards may save its records.
    if (!playing) std::abort();
    files_[path] = contents;
    return FileWriteResult::Written();
  }
  void RemoveSaveLeftovers(const std::string&) override {}

  bool playing = false;

 private:
  std::map<std::string, std::string> files_;
};

std::map<std::string, std::string> SplitFiles(std::string_view input) {
  std::map<std::string, std::string> files;
  const std::string_view marker = "#FILE ";
  std::size_t at = input.find(marker);
  while (at != std::string_view::npos) {
    const std::size_t nameEnd = input.find('\n', at);
    if (nameEnd == std::string_view::npos) break;
    const std::string name(input.substr(at + marker.size(), nameEnd - at - marker.size()));
    std::size_t next = input.find(std::string("\n") + std::string(marker), nameEnd);
    const std::size_t end = next == std::string_view::npos ? input.size() : next + 1;
    files[kFolder + name] = std::string(input.substr(nameEnd + 1, end - nameEnd - 1));
    at = next == std::string_view::npos ? next : next + 1;
  }
  return files;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SoundStage(const kelvora::StageGrid& stage) {
  int codes[kelvora::kLastTileCode + 1] = {};
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      const int code = stage[column][row];
      if (!kelvora::IsTileCode(code)) return false;
      ++codes[code];
    }
  }
  for (int code = 1; code <= kelvora::kLastTileCode; ++code) {
    const int wanted = code == 2 || code == 5 || code == 8 ? 2 : 1;
    if (codes[code] != wanted) return false;
  }
  return true;
}

bool SoundHistory(const std::string& history) {
  for (char letter : history) {
    if (letter < 'A' || letter > 'T') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzStore store(SplitFiles(std::string_view(reinterpret_cast<const char*>(data), size)));
  kelvora::NullScreen screen;
  kelvora::ClockRandom random;
  kelvora::Kelvora game(screen, random, store, kFolder);
  try {
    game.Form_Load();
  } catch (const kelvora::DataFileError& error) {
    // KELVORA_FUZZ_REPORT=1 tells what each input did, for looking over the seed corpus.
    if (std::getenv("KELVORA_FUZZ_REPORT") != nullptr)
      std::fprintf(stderr, "damage: %s\n", error.what());
    const std::string& path = error.Path();
    Check(path.rfind(kFolder, 0) == 0);
    Check(error.Line() >= 0);
    Check(!error.Expected().japanese.empty() && !error.Expected().english.empty());
    Check(!error.PlayerMessage().empty());
    return 0;
  }
  if (std::getenv("KELVORA_FUZZ_REPORT") != nullptr) std::fprintf(stderr, "loaded\n");
  // Loaded: everything the rest of the game relies on holds.
  const kelvora::DataTables& tables = game.Tables();
  Check(tables.preparedStageCount >= 0 && tables.preparedStageCount <= kelvora::kTableCapacity);
  Check(tables.randomStageCount >= 0 && tables.randomStageCount <= kelvora::kTableCapacity);
  Check(tables.randomBest >= 0);
  for (int s = 1; s <= tables.preparedStageCount; ++s) {
    Check(SoundStage(tables.preparedStages[s]));
    Check(tables.bestMoves[s] >= 0);
    Check(SoundHistory(tables.bestHistory[s]));
  }
  for (int s = 1; s <= tables.randomStageCount; ++s) {
    Check(SoundStage(tables.randomStages[s]));
    Check(tables.randomRecordMoves[s] >= 0);
    Check(SoundHistory(tables.randomRecordHistory[s]));
  }
  // A first game on what was loaded: stepping through every stage never leaves the board. (A
  // stage that starts solved completes at once, and its record is saved.)
  store.playing = true;
  if (tables.preparedStageCount > 0) {
    game.StartPreparedStages();
    for (int s = 0; s <= tables.preparedStageCount; ++s) {
      game.Label8_Click(1);
      Check(SoundStage(game.State().board.Field()));
    }
  }
  return 0;
}
