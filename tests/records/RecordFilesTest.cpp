// Loading and saving the four data files: exact inverses, first runs, and every kind of damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "modes/DataFileError.h"
#include "modes/DataFiles.h"
#include "support/ModesFixture.h"

namespace kelvora::testing {
namespace {

// A random arrangement of the goal's tiles.
StageGrid RandomStage(std::mt19937& rng) {
  std::vector<int> codes = {1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13};
  std::shuffle(codes.begin(), codes.end(), rng);
  StageGrid stage{};
  for (int i = 0; i < 16; ++i) stage[i / 4 + 1][i % 4 + 1] = codes[i];
  return stage;
}

std::string RandomHistory(std::mt19937& rng) {
  std::string history(rng() % 60, 'A');
  for (char& letter : history) letter = static_cast<char>('A' + rng() % 20);
  return history;
}

// Tables filled with n entries of everything, as a long-played game would have them.
DataTables FullTables(int n, std::mt19937& rng) {
  DataTables tables;
  tables.preparedStageCount = n;
  tables.randomStageCount = n;
  tables.randomBest = n == 0 ? kNoRandomBest : 17;
  for (int s = 1; s <= n; ++s) {
    tables.preparedStages[s] = RandomStage(rng);
    tables.bestMoves[s] = static_cast<std::int32_t>(rng() % 1000);
    tables.bestHistory[s] = RandomHistory(rng);
    tables.randomStages[s] = RandomStage(rng);
    tables.randomRecordMoves[s] = static_cast<std::int32_t>(rng() % 1001);
    tables.randomRecordHistory[s] = RandomHistory(rng);
  }
  return tables;
}

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(DataFilesRoundTrip, SaveThenLoadGivesTheSameTablesAndTheSameBytes) {
  std::mt19937 rng(7);
  for (int n : {0, 1, 50}) {
    MemoryFileStore store;
    DataTables saved = FullTables(n, rng);
    DataFiles writer(saved, store, "/g");
    std::vector<StageGrid> prepared(saved.preparedStages.begin() + 1,
                                    saved.preparedStages.begin() + 1 + n);
    store.files["/g/MENDATA1.txt"] = StageFileText(prepared);
    ASSERT_TRUE(writer.SavePreparedBest().empty());
    ASSERT_TRUE(writer.SaveRandomRecords().empty());

    const std::string best1 = store.files["/g/BEST1.txt"];
    const std::string mendata2 = store.files["/g/MENDATA2.txt"];
    const std::string best2 = store.files["/g/BEST2.txt"];
    EXPECT_EQ(LineCount(best1), 1 + 2 * n);
    EXPECT_EQ(LineCount(mendata2), 1 + 16 * n);
    EXPECT_EQ(LineCount(best2), 2 + 2 * n);
    EXPECT_EQ(LineCount(store.files["/g/MENDATA1.txt"]), 1 + 16 * n);

    DataTables loaded;
    DataFiles reader(loaded, store, "/g/");
    reader.LoadDataFiles();
    EXPECT_EQ(loaded, saved) << "n = " << n;

    store.writes.clear();
    ASSERT_TRUE(reader.SavePreparedBest().empty());
    ASSERT_TRUE(reader.SaveRandomRecords().empty());
    EXPECT_EQ(store.files["/g/BEST1.txt"], best1);
    EXPECT_EQ(store.files["/g/MENDATA2.txt"], mendata2);
    EXPECT_EQ(store.files["/g/BEST2.txt"], best2);
  }
}

TEST(DataFilesSave, WritesTheExampleLayoutExactly) {
  MemoryFileStore store;
  DataTables tables;
  tables.preparedStageCount = 2;
  tables.bestMoves[1] = 23;
  tables.bestHistory[1] = "QRSTQRSTQRSTQRSTQRSTQRS";
  DataFiles files(tables, store, "/g");
  ASSERT_TRUE(files.SavePreparedBest().empty());
  EXPECT_EQ(store.files["/g/BEST1.txt"], "2\r\n23\r\n\"QRSTQRSTQRSTQRSTQRSTQRS\"\r\n0\r\n\"\"\r\n");
}

TEST(DataFilesSave, ARandomSaveThatFailsOnTheStagesLeavesTheRecordsAlone) {
  MemoryFileStore store;
  DataTables tables;
  DataFiles files(tables, store, "/g");
  store.failing.insert("/g/MENDATA2.txt");
  const std::vector<SaveFailure> failures = files.SaveRandomRecords();
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, "/g/MENDATA2.txt");
  EXPECT_EQ(failures[0].reason.english, "disk full");
  EXPECT_EQ(store.attempts, std::vector<std::string>{"/g/MENDATA2.txt"});
}

TEST(DataFilesSave, WhatAFailedSaveLeftIsWrittenByTheNextSaveOfEitherPair) {
  MemoryFileStore store;
  DataTables tables;
  tables.preparedStageCount = 1;
  DataFiles files(tables, store, "/g");
  store.failing.insert("/g/BEST1.txt");
  tables.bestMoves[1] = 4;
  EXPECT_EQ(files.SavePreparedBest().size(), 1u);
  store.failing.clear();
  // Random solves write their own pair and the best still waiting.
  tables.randomStageCount = 1;
  EXPECT_TRUE(files.SaveRandomRecords().empty());
  EXPECT_EQ(store.files["/g/BEST1.txt"], "1\r\n4\r\n\"\"\r\n");
  EXPECT_EQ(store.files["/g/BEST2.txt"].substr(0, 3), "1\r\n");
  // Once on disk it is not written again.
  store.attempts.clear();
  EXPECT_TRUE(files.SaveRandomRecords().empty());
  EXPECT_EQ(store.attempts, (std::vector<std::string>{"/g/MENDATA2.txt", "/g/BEST2.txt"}));
}

TEST(DataFilesLoad, MissingRecordFilesAreAFirstRun) {
  MemoryFileStore store;
  std::mt19937 rng(1);
  store.files["/g/MENDATA1.txt"] = StageFileText({RandomStage(rng), RandomStage(rng)});
  DataTables tables;
  DataFiles files(tables, store, "/g");
  files.LoadDataFiles();
  EXPECT_EQ(tables.preparedStageCount, 2);
  EXPECT_EQ(tables.bestMoves[1], 0);
  EXPECT_EQ(tables.bestMoves[2], 0);
  EXPECT_EQ(tables.randomStageCount, 0);
  EXPECT_EQ(tables.randomBest, kNoRandomBest);
  EXPECT_TRUE(store.writes.empty());
}

TEST(DataFilesLoad, TheRecordFilesCountsWin) {
  MemoryFileStore store;
  std::mt19937 rng(2);
  store.files["/g/MENDATA1.txt"] =
      StageFileText({RandomStage(rng), RandomStage(rng), RandomStage(rng)});
  store.files["/g/BEST1.txt"] = "2\r\n5\r\n\"QQQQQ\"\r\n0\r\n\"\"\r\n";
  // A save interrupted between the two random files: one stage more than records.
  store.files["/g/MENDATA2.txt"] = StageFileText({RandomStage(rng), RandomStage(rng)});
  store.files["/g/BEST2.txt"] = "1\r\n40\r\n40\r\n\"" + std::string(40, 'Q') + "\"\r\n";
  DataTables tables;
  DataFiles files(tables, store, "/g");
  files.LoadDataFiles();
  EXPECT_EQ(tables.preparedStageCount, 2);
  EXPECT_EQ(tables.bestHistory[1], "QQQQQ");
  EXPECT_EQ(tables.randomStageCount, 1);
  EXPECT_EQ(tables.randomBest, 40);
  // The next save writes the counts that won.
  ASSERT_TRUE(files.SaveRandomRecords().empty());
  EXPECT_EQ(LineCount(store.files["/g/MENDATA2.txt"]), 17);
}

// A complete, sound set of data files: two prepared stages, one random stage recorded.
std::map<std::string, std::string> SoundFiles() {
  return {
      {"MENDATA1.txt", StageFileText({StageSolvedByM(), StageSolvedByS()})},
      {"MENDATA2.txt", StageFileText({StageSolvedByT()})},
      {"BEST1.txt", "2\r\n1\r\n\"M\"\r\n0\r\n\"\"\r\n"},
      {"BEST2.txt", "1\r\n1\r\n1\r\n\"T\"\r\n"},
  };
}

// Replaces line `line` (1-based) of a file's text.
std::string WithLine(const std::string& text, int line, const std::string& value) {
  std::string result;
  int current = 1;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    std::string content = text.substr(start, end - start);
    result += (current == line ? value : content) + "\r\n";
    start = end + 2;
    ++current;
  }
  return result;
}

struct Damage {
  const char* what;
  const char* file;
  int line;
  std::string text;  // the damaged file's whole text
};

std::vector<Damage> DamageKinds() {
  auto files = SoundFiles();
  const std::string m1 = files["MENDATA1.txt"];
  const std::string m2 = files["MENDATA2.txt"];
  const std::string b1 = files["BEST1.txt"];
  const std::string b2 = files["BEST2.txt"];
  return {
      {"stage file missing", "MENDATA1.txt", 0, "<missing>"},
      {"stage file unreadable", "MENDATA1.txt", 0, "<unreadable>"},
      {"stage file ends early", "MENDATA1.txt", 33, m1.substr(0, m1.size() - 4)},
      {"text for a count", "MENDATA1.txt", 1, WithLine(m1, 1, "two")},
      {"count above 50", "MENDATA1.txt", 1, WithLine(m1, 1, "51")},
      {"negative count", "MENDATA2.txt", 1, WithLine(m2, 1, "-1")},
      {"tile code 0", "MENDATA1.txt", 5, WithLine(m1, 5, "0")},
      {"tile code 14", "MENDATA2.txt", 17, WithLine(m2, 17, "14")},
      {"not the goal's tiles", "MENDATA1.txt", 18, WithLine(m1, 20, "1")},
      {"random stages end early", "MENDATA2.txt", 10,
       "1\r\n1\r\n4\r\n7\r\n13\r\n2\r\n5\r\n8\r\n10\r\n"},
      {"best count above stages", "BEST1.txt", 1, WithLine(b1, 1, "3") + "0\r\n\"\"\r\n"},
      {"best file ends early", "BEST1.txt", 5, b1.substr(0, b1.size() - 4)},
      {"text for moves", "BEST1.txt", 2, WithLine(b1, 2, "one")},
      {"negative moves", "BEST1.txt", 4, WithLine(b1, 4, "-2")},
      {"history unquoted", "BEST1.txt", 3, WithLine(b1, 3, "M")},
      {"history not moves", "BEST1.txt", 3, WithLine(b1, 3, "\"MX\"")},
      {"records above stages", "BEST2.txt", 1, WithLine(b2, 1, "2") + "5\r\n\"QQQQQ\"\r\n"},
      {"records above missing stages", "MENDATA2.txt", -1, "<missing>"},
      {"best of random text", "BEST2.txt", 2, WithLine(b2, 2, "best")},
      {"random records end early", "BEST2.txt", 4, "1\r\n1\r\n1\r\n"},
  };
}

TEST(DataFilesLoad, EveryDamageStopsTheLoadNamingFileAndLineAndWritesNothing) {
  for (const Damage& damage : DamageKinds()) {
    MemoryFileStore store;
    for (const auto& [name, text] : SoundFiles()) store.files["/g/" + name] = text;
    const std::string path = std::string("/g/") + damage.file;
    if (damage.text == "<missing>") {
      store.files.erase(path);
    } else if (damage.text == "<unreadable>") {
      store.unreadable.insert(path);
    } else {
      store.files[path] = damage.text;
    }
    const auto before = store.files;
    DataTables tables;
    DataFiles files(tables, store, "/g");
    try {
      files.LoadDataFiles();
      ADD_FAILURE() << damage.what << ": loaded";
    } catch (const DataFileError& error) {
      // A record file left over without its stages is damage in the record file.
      const std::string expectedPath = damage.line < 0 ? "/g/BEST2.txt" : path;
      EXPECT_EQ(error.Path(), expectedPath) << damage.what;
      EXPECT_EQ(error.Line(), damage.line < 0 ? 1 : damage.line) << damage.what;
      EXPECT_FALSE(error.Expected().japanese.empty()) << damage.what;
      // The tools print what() in English: no Japanese may slip into it.
      const std::string line = error.what();
      EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; }))
          << line;
      EXPECT_NE(error.PlayerMessage().find(expectedPath), std::string::npos) << damage.what;
    }
    EXPECT_EQ(tables, DataTables{}) << damage.what;
    EXPECT_TRUE(store.attempts.empty()) << damage.what;
    EXPECT_EQ(store.files, before) << damage.what;
  }
}

TEST(DataFilesCheck, NamesTheFirstDamageOfEveryDamagedFile) {
  MemoryFileStore store;
  auto sound = SoundFiles();
  store.files["/g/MENDATA1.txt"] = WithLine(sound["MENDATA1.txt"], 5, "14");
  store.files["/g/MENDATA2.txt"] = sound["MENDATA2.txt"];
  store.files["/g/BEST1.txt"] = WithLine(WithLine(sound["BEST1.txt"], 3, "\"m\""), 5, "x");
  store.files["/g/BEST2.txt"] = sound["BEST2.txt"];
  DataTables tables;
  DataFiles files(tables, store, "/g");
  const DataFilesCheck check = files.CheckDataFiles();
  ASSERT_EQ(check.damage.size(), 2u);
  EXPECT_EQ(check.damage[0].Path(), "/g/MENDATA1.txt");
  EXPECT_EQ(check.damage[0].Line(), 5);
  EXPECT_EQ(check.damage[1].Path(), "/g/BEST1.txt");
  EXPECT_EQ(check.damage[1].Line(), 3);
  EXPECT_FALSE(check.preparedSound);
  EXPECT_TRUE(check.randomSound);
  EXPECT_EQ(check.tables.randomRecordHistory[1], "T");
  EXPECT_TRUE(store.attempts.empty());
  EXPECT_EQ(tables, DataTables{});
}

TEST(DataFilesCheck, FindsNothingInASoundSetAndReadsWhatTheLoadReads) {
  MemoryFileStore store;
  for (const auto& [name, text] : SoundFiles()) store.files["/g/" + name] = text;
  DataTables loaded;
  DataFiles files(loaded, store, "/g");
  const DataFilesCheck check = files.CheckDataFiles();
  EXPECT_TRUE(check.damage.empty());
  EXPECT_TRUE(check.preparedSound && check.randomSound);
  files.LoadDataFiles();
  EXPECT_EQ(check.tables, loaded);
}

TEST(DataFilesLoad, TheSoundSetLoads) {
  MemoryFileStore store;
  for (const auto& [name, text] : SoundFiles()) store.files["/g/" + name] = text;
  DataTables tables;
  DataFiles files(tables, store, "/g");
  files.LoadDataFiles();
  EXPECT_EQ(tables.preparedStageCount, 2);
  EXPECT_EQ(tables.preparedStages[2], StageSolvedByS());
  EXPECT_EQ(tables.randomStages[1], StageSolvedByT());
  EXPECT_EQ(tables.randomRecordHistory[1], "T");
}

}  // namespace
}  // namespace kelvora::testing
