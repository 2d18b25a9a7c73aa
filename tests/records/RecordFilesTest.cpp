// Loading and saving the four data files: exact inverses, first runs, and every kind of damage.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>

#include "records/DataFileError.h"
#include "records/DataFileWriter.h"
#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "tests/support/LoadedRecords.h"
#include "tests/support/MemoryFileStore.h"
#include "tests/support/Positions.h"
#include "text/GameText.h"

namespace kelvora::testing {
namespace {

namespace expected = text::expected;

// The game folder of the files in memory, and the same with its separator: "/g" and "/g/", or
// "\g" and "\g\" on Windows, as the game writes its own folder.
const std::string kG = SystemFolder("/g");
const std::string kIn = FolderWithSeparator(kG);

// The text of a stage file holding these stages, as the stage generator writes it.
std::string StageFile(const std::vector<Position>& stages) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<int>(stages.size()));
  for (const Position& stage : stages) {
    for (int code : stage.Codes()) writer.WriteNumber(code);
  }
  return writer.Text();
}

// A random arrangement of the goal's tiles.
Position RandomStage(std::mt19937& rng) {
  std::array<int, 16> codes = Position::Goal().Codes();
  std::shuffle(codes.begin(), codes.end(), rng);
  return Position::FromCodes(codes);
}

std::string RandomHistory(std::mt19937& rng) {
  std::string history(rng() % 60, 'A');
  for (char& letter : history) letter = static_cast<char>('A' + rng() % 20);
  return history;
}

// n entries of everything, as a long-played game would have them.
Records FullRecords(int n, std::mt19937& rng) {
  Records records;
  records.randomBest = n == 0 ? kNoRandomBest : 17;
  for (int s = 0; s < n; ++s) {
    records.prepared.push_back(
        {RandomStage(rng), static_cast<int>(rng() % 1000), RandomHistory(rng)});
    records.archive.push_back(
        {RandomStage(rng), static_cast<int>(rng() % 1001), RandomHistory(rng)});
  }
  return records;
}

std::vector<Position> StartsOf(const std::vector<PreparedStage>& stages) {
  std::vector<Position> starts;
  for (const PreparedStage& stage : stages) starts.push_back(stage.start);
  return starts;
}

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(RecordFilesRoundTrip, SavingThenLoadingGivesTheSameRecordsAndTheSameBytes) {
  std::mt19937 rng(7);
  for (int n : {0, 1, 50}) {
    MemoryFileStore store;
    const Records saved = FullRecords(n, rng);
    store.files[kIn + "MENDATA1.txt"] = StageFile(StartsOf(saved.prepared));
    RecordFiles writer(store, kG);
    ASSERT_TRUE(writer.SavePreparedBests(saved).empty());
    ASSERT_TRUE(writer.SaveRandomArchive(saved).empty());
    const auto written = store.files;
    EXPECT_EQ(LineCount(written.at(kIn + "BEST1.txt")), 1 + 2 * n);
    EXPECT_EQ(LineCount(written.at(kIn + "MENDATA2.txt")), 1 + 16 * n);
    EXPECT_EQ(LineCount(written.at(kIn + "BEST2.txt")), 2 + 2 * n);

    RecordFiles reader(store, kIn);
    const Records loaded = LoadedRecords(reader);
    EXPECT_EQ(loaded, saved) << "n = " << n;
    ASSERT_TRUE(reader.SavePreparedBests(loaded).empty());
    ASSERT_TRUE(reader.SaveRandomArchive(loaded).empty());
    EXPECT_EQ(store.files, written) << "n = " << n;
  }
}

TEST(RecordFilesSave, WritesTheExampleLayoutExactly) {
  MemoryFileStore store;
  RecordFiles files(store, kG);
  Records records;
  records.prepared = {{StageSolvedByM(), 23, "QRSTQRSTQRSTQRSTQRSTQRS"}, {StageSolvedByS(), 0, ""}};
  ASSERT_TRUE(files.SavePreparedBests(records).empty());
  EXPECT_EQ(store.files[kIn + "BEST1.txt"],
            "2\r\n23\r\n\"QRSTQRSTQRSTQRSTQRSTQRS\"\r\n0\r\n\"\"\r\n");
}

TEST(RecordFilesSave, ARandomSaveThatFailsOnTheStagesLeavesTheRecordFileAlone) {
  MemoryFileStore store;
  RecordFiles files(store, kG);
  store.failing.insert(kIn + "MENDATA2.txt");
  const std::vector<SaveFailure> failures = files.SaveRandomArchive(Records{});
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, kIn + "MENDATA2.txt");
  EXPECT_EQ(failures[0].status.English(), "disk full");
  EXPECT_EQ(store.attempts, std::vector<std::string>{kIn + "MENDATA2.txt"});
}

TEST(RecordFilesSave, WhatAFailedSaveLeftIsWrittenByTheNextSaveOfEitherPair) {
  MemoryFileStore store;
  RecordFiles files(store, kG);
  Records records;
  records.prepared = {{StageSolvedByM(), 5, "QSQSM"}};
  store.failing.insert(kIn + "BEST1.txt");
  EXPECT_EQ(files.SavePreparedBests(records).size(), 1u);
  store.failing = {kIn + "BEST2.txt"};
  records.archive = {{StageSolvedByT(), 1, "T"}};
  records.randomBest = 1;
  EXPECT_EQ(files.SaveRandomArchive(records).size(), 1u);
  // The random save wrote the best still waiting, with the records as they are now.
  EXPECT_EQ(store.files[kIn + "BEST1.txt"], "1\r\n5\r\n\"QSQSM\"\r\n");

  // A prepared save writes the random pair still waiting.
  store.failing.clear();
  store.attempts.clear();
  records.prepared[0] = {StageSolvedByM(), 1, "M"};
  EXPECT_TRUE(files.SavePreparedBests(records).empty());
  EXPECT_EQ(store.attempts,
            (std::vector<std::string>{kIn + "BEST1.txt", kIn + "MENDATA2.txt", kIn + "BEST2.txt"}));
  EXPECT_EQ(store.files[kIn + "BEST2.txt"], "1\r\n1\r\n1\r\n\"T\"\r\n");
  // Once on disk, neither pair is written again by the other's save.
  store.attempts.clear();
  EXPECT_TRUE(files.SavePreparedBests(records).empty());
  EXPECT_TRUE(files.SaveRandomArchive(records).empty());
  EXPECT_EQ(store.attempts,
            (std::vector<std::string>{kIn + "BEST1.txt", kIn + "MENDATA2.txt", kIn + "BEST2.txt"}));
}

TEST(RecordFilesSave, LeftoversAreRemovedBesideEveryFileASaveWritesAndNoOther) {
  MemoryFileStore store;
  RecordFiles files(store, kG);
  ASSERT_TRUE(files.SavePreparedBests(Records{}).empty());
  ASSERT_TRUE(files.SaveRandomArchive(Records{}).empty());
  files.RemoveSaveLeftovers();
  EXPECT_EQ(std::set<std::string>(store.cleaned.begin(), store.cleaned.end()),
            std::set<std::string>(store.writes.begin(), store.writes.end()));
}

TEST(RecordFilesLoad, MissingRecordFilesAreAFirstRun) {
  MemoryFileStore store;
  std::mt19937 rng(1);
  const Position first = RandomStage(rng);
  const Position second = RandomStage(rng);
  store.files[kIn + "MENDATA1.txt"] = StageFile({first, second});
  const Records records = LoadedRecords(RecordFiles(store, kG));
  EXPECT_EQ(records, (Records{{{first, 0, ""}, {second, 0, ""}}, {}, kNoRandomBest}));
  EXPECT_TRUE(store.attempts.empty());
}

TEST(RecordFilesLoad, TheRecordFilesCountsWin) {
  MemoryFileStore store;
  std::mt19937 rng(2);
  const std::vector<Position> prepared = {RandomStage(rng), RandomStage(rng), RandomStage(rng)};
  const std::vector<Position> random = {RandomStage(rng), RandomStage(rng)};
  store.files[kIn + "MENDATA1.txt"] = StageFile(prepared);
  store.files[kIn + "BEST1.txt"] = "2\r\n5\r\n\"QQQQQ\"\r\n0\r\n\"\"\r\n";
  // A save interrupted between the two random files: one stage more than records.
  store.files[kIn + "MENDATA2.txt"] = StageFile(random);
  store.files[kIn + "BEST2.txt"] = "1\r\n40\r\n40\r\n\"" + std::string(40, 'Q') + "\"\r\n";
  RecordFiles files(store, kG);
  const Records records = LoadedRecords(files);
  EXPECT_EQ(records.prepared,
            (std::vector<PreparedStage>{{prepared[0], 5, "QQQQQ"}, {prepared[1], 0, ""}}));
  EXPECT_EQ(records.archive, (std::vector<ArchivedStage>{{random[0], 40, std::string(40, 'Q')}}));
  EXPECT_EQ(records.randomBest, 40);
  // The next save writes the counts that won.
  ASSERT_TRUE(files.SaveRandomArchive(records).empty());
  EXPECT_EQ(LineCount(store.files[kIn + "MENDATA2.txt"]), 17);
}

// A complete, sound set of data files: two prepared stages, one random stage archived.
std::map<std::string, std::string> SoundFiles() {
  return {
      {"MENDATA1.txt", StageFile({StageSolvedByM(), StageSolvedByS()})},
      {"MENDATA2.txt", StageFile({StageSolvedByT()})},
      {"BEST1.txt", "2\r\n1\r\n\"M\"\r\n0\r\n\"\"\r\n"},
      {"BEST2.txt", "1\r\n1\r\n1\r\n\"T\"\r\n"},
  };
}

void LayOut(MemoryFileStore& store, const std::map<std::string, std::string>& files) {
  for (const auto& [name, text] : files) store.files[kIn + name] = text;
}

// Replaces line `line` (1-based) of a file's text.
std::string WithLine(const std::string& text, int line, const std::string& value) {
  std::string result;
  int current = 1;
  for (std::size_t start = 0; start < text.size(); ++current) {
    const std::size_t end = text.find("\r\n", start);
    result += (current == line ? value : text.substr(start, end - start)) + "\r\n";
    start = end + 2;
  }
  return result;
}

TEST(RecordFilesLoad, ASoundSetLoadsWholeAndTheCheckReadsTheSameAndFindsNothing) {
  MemoryFileStore store;
  LayOut(store, SoundFiles());
  RecordFiles files(store, kG);
  const Records loaded = LoadedRecords(files);
  EXPECT_EQ(loaded, (Records{{{StageSolvedByM(), 1, "M"}, {StageSolvedByS(), 0, ""}},
                             {{StageSolvedByT(), 1, "T"}},
                             1}));
  const FolderCheck check = files.Check();
  EXPECT_TRUE(check.damage.empty());
  EXPECT_TRUE(check.preparedSound && check.randomSound);
  EXPECT_EQ(check.records, loaded);
}

struct Damage {
  const char* what;
  const char* damagedFile;
  std::string text;  // the damaged file's whole text, or <missing> or <unreadable>
  // What the error names: the file (the damaged one unless given), the line, what belongs there.
  int line;
  Phrase expected;
  const char* namedFile = nullptr;
};

std::vector<Damage> DamageKinds() {
  auto files = SoundFiles();
  const std::string m1 = files["MENDATA1.txt"];
  const std::string m2 = files["MENDATA2.txt"];
  const std::string b1 = files["BEST1.txt"];
  const std::string b2 = files["BEST2.txt"];
  const Phrase endsEarly = expected::kFileEndsHere;
  return {
      {"stage file missing", "MENDATA1.txt", "<missing>", 0, expected::kStageFile},
      {"stage file unreadable", "MENDATA1.txt", "<unreadable>", 0,
       expected::ReadableFile(text::reason::kReadDenied)},
      {"stage file ends early", "MENDATA1.txt", m1.substr(0, m1.size() - 4), 33,
       expected::kTileCode + endsEarly},
      {"text for a count", "MENDATA1.txt", WithLine(m1, 1, "two"), 1, expected::kStageCount},
      {"count above 50", "MENDATA1.txt", WithLine(m1, 1, "51"), 1, expected::kStageCount},
      {"negative count", "MENDATA2.txt", WithLine(m2, 1, "-1"), 1, expected::kStageCount},
      {"tile code 0", "MENDATA1.txt", WithLine(m1, 5, "0"), 5, expected::kTileCode},
      {"tile code 14", "MENDATA2.txt", WithLine(m2, 17, "14"), 17, expected::kTileCode},
      // The stage is named from its first line.
      {"not the goal's tiles", "MENDATA1.txt", WithLine(m1, 20, "1"), 18, expected::kGoalsTiles},
      {"random stages end early", "MENDATA2.txt", "1\r\n1\r\n4\r\n7\r\n13\r\n2\r\n5\r\n8\r\n10\r\n",
       10, expected::kTileCode + endsEarly},
      {"best count above stages", "BEST1.txt", WithLine(b1, 1, "3") + "0\r\n\"\"\r\n", 1,
       expected::RecordCount(2, "MENDATA1.txt")},
      {"best file ends early", "BEST1.txt", b1.substr(0, b1.size() - 4), 5,
       expected::kHistory + endsEarly},
      {"text for moves", "BEST1.txt", WithLine(b1, 2, "one"), 2, expected::kMoveCount},
      {"negative moves", "BEST1.txt", WithLine(b1, 4, "-2"), 4, expected::kMoveCount},
      {"history unquoted", "BEST1.txt", WithLine(b1, 3, "M"), 3, expected::kHistory},
      {"history not moves", "BEST1.txt", WithLine(b1, 3, "\"MX\""), 3, expected::kHistory},
      {"records above stages", "BEST2.txt", WithLine(b2, 1, "2") + "5\r\n\"QQQQQ\"\r\n", 1,
       expected::RecordCount(1, "MENDATA2.txt")},
      // A record file left over without its stages is damage in the record file.
      {"records above missing stages", "MENDATA2.txt", "<missing>", 1,
       expected::RecordCount(0, "MENDATA2.txt"), "BEST2.txt"},
      {"best of random text", "BEST2.txt", WithLine(b2, 2, "best"), 2, expected::kMoveCount},
      {"random records end early", "BEST2.txt", "1\r\n1\r\n1\r\n", 4,
       expected::kHistory + endsEarly},
  };
}

TEST(RecordFilesLoad, EveryDamageStopsTheLoadNamingFileLineAndWhatBelongsThereAndWritesNothing) {
  for (const Damage& damage : DamageKinds()) {
    MemoryFileStore store;
    LayOut(store, SoundFiles());
    const std::string path = kIn + damage.damagedFile;
    if (damage.text == "<missing>") {
      store.files.erase(path);
    } else if (damage.text == "<unreadable>") {
      store.unreadable.insert(path);
    } else {
      store.files[path] = damage.text;
    }
    const auto before = store.files;
    const Status loaded = RecordFiles(store, kG).Load().status();
    EXPECT_FALSE(loaded.ok()) << damage.what << ": loaded";
    const std::string named = kIn + (damage.namedFile ? damage.namedFile : damage.damagedFile);
    const Status expected = DataFileError(named, damage.line, damage.expected).ToStatus();
    EXPECT_EQ(loaded.Reason(), expected.Reason()) << damage.what;
    // A missing stage file is told apart from damage, a missing one's records among it.
    EXPECT_EQ(loaded.code() == Status::Code::kNotFound, damage.text == "<missing>" && named == path)
        << damage.what;
    // The tools print the English line: no Japanese may slip into it.
    const std::string& line = loaded.English();
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](char c) { return (c & 0x80) == 0; }))
        << line;
    EXPECT_TRUE(store.attempts.empty()) << damage.what;
    EXPECT_EQ(store.files, before) << damage.what;
  }
}

TEST(RecordFilesCheck, NamesTheFirstDamageOfEveryDamagedFileAndReadsTheSoundOnes) {
  MemoryFileStore store;
  auto files = SoundFiles();
  files["MENDATA1.txt"] = WithLine(files["MENDATA1.txt"], 5, "14");
  files["BEST1.txt"] = WithLine(WithLine(files["BEST1.txt"], 3, "\"m\""), 5, "x");
  LayOut(store, files);
  const FolderCheck check = RecordFiles(store, kG).Check();
  ASSERT_EQ(check.damage.size(), 2u);
  EXPECT_EQ(check.damage[0].English().rfind(kIn + "MENDATA1.txt, line 5: ", 0), 0u)
      << check.damage[0].English();
  EXPECT_EQ(check.damage[1].English().rfind(kIn + "BEST1.txt, line 3: ", 0), 0u)
      << check.damage[1].English();
  EXPECT_FALSE(check.preparedSound);
  EXPECT_TRUE(check.randomSound);
  EXPECT_EQ(check.records.archive, (std::vector<ArchivedStage>{{StageSolvedByT(), 1, "T"}}));
  EXPECT_TRUE(store.attempts.empty());
}

}  // namespace
}  // namespace kelvora::testing
