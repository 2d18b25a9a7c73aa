// Feeds arbitrary bytes as the four data files to the game's start-up: it must either load
// sound tables or name the damaged file and line, and must never write or crash.
//
// An input is a list of files, each introduced by a line "#FILE <name>"; a file without its
// section is missing. Anything before the first section is ignored.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "core/ClockRandom.h"
#include "core/Move.h"
#include "game/Kelvora.h"
#include "records/FileStore.h"
#include "records/RecordFiles.h"

namespace {

using kelvora::Result;
using kelvora::Status;

constexpr const char* kFolder = "/fuzz/";

class FuzzStore final : public kelvora::FileStore {
 public:
  explicit FuzzStore(std::map<std::string, std::string> files) : files_(std::move(files)) {}
  Result<std::string> Read(const std::string& path) override {
    auto it = files_.find(path);
    if (it == files_.end()) return Status::Failed(Status::Code::kNotFound, {});
    return it->second;
  }
  Status Replace(const std::string& path, const std::string& contents) override {
    // Loading must never write; a game played afterwards may save its records.
    if (!playing) std::abort();
    files_[path] = contents;
    return Status::Ok();
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

bool SoundHistory(const std::string& history) {
  return std::all_of(history.begin(), history.end(), kelvora::IsMoveLetter);
}

// The game shows nothing here; only the data and the files are watched.
class QuietScreen final : public kelvora::Screen {
 public:
  void SetTilePicture(int, int) override {}
  void ShowTile(int) override {}
  void SetCaption(kelvora::StatusLabel, const std::string&) override {}
  void SetLabelVisible(kelvora::StatusLabel, bool) override {}
  void SetToolTip(kelvora::StatusLabel, const std::string&) override {}
  void Beep() override {}
  void ShowMessage(const std::string&, const std::string&) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzStore store(SplitFiles(std::string_view(reinterpret_cast<const char*>(data), size)));
  QuietScreen screen;
  kelvora::ClockRandom random;
  kelvora::RecordFiles files(store, kFolder);
  kelvora::Kelvora game(screen, random, files);
  if (const kelvora::Status started = game.Start(); !started) {
    // KELVORA_FUZZ_REPORT=1 tells what each input did, for looking over the seed corpus.
    if (std::getenv("KELVORA_FUZZ_REPORT") != nullptr)
      std::fprintf(stderr, "damage: %s\n", started.English().c_str());
    // Both the tools' line and the player's message name the file, and say what belongs there.
    const std::string& line = started.English();
    Check(line.rfind(kFolder, 0) == 0);
    const std::size_t expected = line.find(": expected ");
    Check(expected != std::string::npos && expected + 11 < line.size());
    Check(started.Japanese().find(kFolder) != std::string::npos);
    return 0;
  }
  if (std::getenv("KELVORA_FUZZ_REPORT") != nullptr) std::fprintf(stderr, "loaded\n");
  // Loaded: everything the rest of the game relies on holds.
  const kelvora::Records& records = game.View().records;
  Check(records.prepared.size() <= kelvora::kMostStagesInAFile);
  Check(records.archive.size() <= kelvora::kMostStagesInAFile);
  Check(records.randomBest >= 0);
  for (const kelvora::PreparedStage& stage : records.prepared) {
    Check(stage.start.HoldsTheGoalsTiles());
    Check(stage.bestMoves >= 0);
    Check(SoundHistory(stage.bestHistory));
  }
  for (const kelvora::ArchivedStage& stage : records.archive) {
    Check(stage.start.HoldsTheGoalsTiles());
    Check(stage.moves >= 0);
    Check(SoundHistory(stage.history));
  }
  // A first game on what was loaded: stepping through every stage never leaves the board. (A
  // stage that starts solved completes at once, and its record is saved.)
  store.playing = true;
  if (!records.prepared.empty()) {
    game.StartPreparedStages();
    for (std::size_t s = 0; s <= records.prepared.size(); ++s) {
      game.StepStage(kelvora::StageStep::kNext);
      Check(game.View().board.HoldsTheGoalsTiles());
    }
  }
  return 0;
}
