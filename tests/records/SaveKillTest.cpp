// Saves killed at random moments: a child process saves records in a loop and is killed outright
// (SIGKILL, TerminateProcess); every file left behind must load whole, and no save that finished
// may be lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DiskFolder.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using testing::ChildProcess;
using testing::DiskFolder;

// The records of save number i: the first stage's best and the last archived stage carry i.
void RecordsOf(int i, Records& records) {
  records.prepared.at(0).bestMoves = i;
  records.prepared.at(0).bestHistory = std::string(static_cast<std::size_t>(i % 300), 'Q');
  records.archive.resize(static_cast<std::size_t>(std::min(1 + i, kMostStagesInAFile)));
  for (ArchivedStage& stage : records.archive) stage.start = Position::Goal();
  records.archive.back().moves = i;
  records.archive.back().history = std::string(static_cast<std::size_t>(i % 300), 'R');
  records.randomBest = i;
}

// The child: saves record after record from number `first` on, and appends each number to the
// report file once both saves of its record are done. Each report is handed to the system at
// once, so that what was reported survives the kill.
[[noreturn]] void SaveForever(const std::string& folder, int first, const std::string& report) {
  std::ofstream reported(PathFromUtf8(report), std::ios::binary);
  if (!reported) std::_Exit(4);
  DiskFileStore store;
  RecordFiles files(store, folder);
  Result<Records> loaded = files.Load();
  if (!loaded) std::_Exit(5);
  Records records = std::move(*loaded);
  for (int i = first;; ++i) {
    RecordsOf(i, records);
    if (!files.SavePreparedBests(records).empty() || !files.SaveRandomArchive(records).empty()) {
      std::_Exit(3);
    }
    if (!reported.write(reinterpret_cast<const char*>(&i), sizeof i).flush()) std::_Exit(4);
  }
}

int Kills() {
  const char* text = std::getenv("KELVORA_KILLS");
  return text != nullptr ? std::atoi(text) : 40;
}

TEST(SaveKill, EveryKillLeavesWholeFilesAndNoFinishedSaveIsLost) {
  if (const std::vector<std::string> part = testing::ChildPart(); !part.empty()) {
    SaveForever(part.at(0), std::stoi(part.at(1)), part.at(2));
  }
  const DiskFolder folder("kill");
  // One prepared stage to hang the best on; the random archive grows to its 50 entries.
  folder.Write(kPreparedStagesFile,
               "1\r\n1\r\n2\r\n2\r\n3\r\n4\r\n5\r\n5\r\n6\r\n7\r\n8\r\n8\r\n9\r\n"
               "13\r\n10\r\n11\r\n12\r\n");
  const std::string report = folder.Path("report");
  std::mt19937 rng(42);
  int onDisk = 0;        // the record number the best file holds
  int finished = 0;      // the last record whose two saves were both reported done
  int caughtMidway = 0;  // kills that fell between a record's two saves
  int caughtUnreported = 0;
  const int kills = Kills();
  for (int kill = 0; kill < kills; ++kill) {
    std::filesystem::remove(PathFromUtf8(report));
    ChildProcess child =
        ChildProcess::StartPart({folder.Text(), std::to_string(onDisk + 1), report});
    ASSERT_TRUE(child.Started());
    // Starting a process takes longer than a save, and longest under an emulator: the moment of
    // the kill is counted from when the child opens its report, just before its first save.
    for (const auto deadline = std::chrono::steady_clock::now() + 60s;
         !std::filesystem::exists(PathFromUtf8(report)) &&
         std::chrono::steady_clock::now() < deadline;) {
      std::this_thread::sleep_for(1ms);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 40000));
    child.Kill();
    ASSERT_EQ(child.Wait(), ChildProcess::kKilled) << "the saving child stopped by itself";
    // The child started after what the files held; without a report it reached no further.
    int reachedBefore = onDisk;
    const std::string numbers = DiskFolder::Contents(report);
    for (std::size_t at = 0; at + sizeof(int) <= numbers.size(); at += sizeof(int)) {
      int number = 0;
      std::copy_n(numbers.data() + at, sizeof number, reinterpret_cast<char*>(&number));
      finished = number;
      reachedBefore = number;
    }

    DiskFileStore store;
    const Result<Records> read = RecordFiles(store, folder.Text()).Load();
    ASSERT_TRUE(read.ok()) << "kill " << kill
                           << " left a damaged file: " << read.status().English();
    const Records& loaded = *read;
    const PreparedStage& first = loaded.prepared.at(0);
    const int best = first.bestMoves;
    const int archived = loaded.archive.empty() ? 0 : loaded.archive.back().moves;
    const std::size_t archivedHistory =
        loaded.archive.empty() ? 0 : loaded.archive.back().history.size();
    // Every finished record is on disk; at most the one being saved went further, and its
    // random files never run ahead of its best.
    ASSERT_GE(best, finished) << "kill " << kill;
    ASSERT_LE(best, reachedBefore + 1) << "kill " << kill;
    ASSERT_GE(archived, finished) << "kill " << kill;
    ASSERT_LE(archived, best) << "kill " << kill;
    ASSERT_EQ(first.bestHistory.size(), static_cast<std::size_t>(best % 300));
    ASSERT_EQ(archivedHistory, static_cast<std::size_t>(archived % 300));
    caughtMidway += archived < best ? 1 : 0;
    caughtUnreported += archived == best && best > finished ? 1 : 0;
    onDisk = best;
  }
  std::cout << kills << " kills survived with nothing lost; " << onDisk << " records saved; "
            << caughtMidway << " kills fell between a record's two saves, " << caughtUnreported
            << " after its last save but before it was reported\n";
}

}  // namespace
}  // namespace kelvora
