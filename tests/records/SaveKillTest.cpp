// Saves killed at random moments: a child process saves records in a loop and is killed with
// SIGKILL; every file left behind must load whole, and no save that finished may be lost.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "records/DataFileError.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;

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

// Saves record after record from number first on, telling the parent each time both saves of a
// record are done.
[[noreturn]] void SaveForever(const fs::path& folder, int first, int reportFd) {
  DiskFileStore store;
  RecordFiles files(store, folder.string());
  Records records = files.Load();
  for (int i = first;; ++i) {
    RecordsOf(i, records);
    if (!files.SavePreparedBests(records).empty() || !files.SaveRandomArchive(records).empty()) {
      _exit(3);
    }
    if (write(reportFd, &i, sizeof i) != static_cast<ssize_t>(sizeof i)) _exit(4);
  }
}

int Kills() {
  const char* text = std::getenv("KELVORA_KILLS");
  return text != nullptr ? std::atoi(text) : 40;
}

TEST(SaveKill, EveryKillLeavesWholeFilesAndNoFinishedSaveIsLost) {
  const fs::path folder =
      fs::temp_directory_path() / ("kelvora-kill-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  {
    // One prepared stage to hang the best on; the random archive grows to its 50 entries.
    std::ofstream(folder / "MENDATA1.txt", std::ios::binary)
        << "1\r\n1\r\n2\r\n2\r\n3\r\n4\r\n5\r\n5\r\n6\r\n7\r\n8\r\n8\r\n9\r\n"
           "13\r\n10\r\n11\r\n12\r\n";
  }
  std::mt19937 rng(42);
  int onDisk = 0;        // the record number the best file holds
  int finished = 0;      // the last record whose two saves were both reported done
  int caughtMidway = 0;  // kills that fell between a record's two saves
  int caughtUnreported = 0;
  const int kills = Kills();
  for (int kill = 0; kill < kills; ++kill) {
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(report[0]);
      SaveForever(folder, onDisk + 1, report[1]);
    }
    close(report[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(rng() % 40000));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child stopped by itself: " << status;
    // The child started after what the files held; without a report it reached no further.
    int reachedBefore = onDisk;
    int number = 0;
    while (read(report[0], &number, sizeof number) == static_cast<ssize_t>(sizeof number)) {
      finished = number;
      reachedBefore = number;
    }
    close(report[0]);

    DiskFileStore store;
    Records loaded;
    try {
      loaded = RecordFiles(store, folder.string()).Load();
    } catch (const DataFileError& error) {
      FAIL() << "kill " << kill << " left a damaged file: " << error.what();
    }
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
  fs::remove_all(folder);
}

}  // namespace
}  // namespace kelvora
