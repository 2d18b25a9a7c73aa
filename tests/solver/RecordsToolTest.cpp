// kelvora-stages check and report on real game folders: damage named by file and line, records
// that do not hold named, and the records set against their pars.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "records/RecordFiles.h"
#include "records/RecordsFolder.h"
#include "solver/cli/CommandLine.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/Positions.h"
#include "text/Utf8Path.h"

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;

class RecordsToolTest : public ::testing::Test {
 protected:
  RecordsToolTest() {
    fs::create_directories(folder.path / "cache");
    SetEnvironment("KELVORA_CACHE_DIR", Utf8FromPath(folder.path / "cache"));
    // Two prepared stages (the first solved in 3, its par 1), one random stage archived.
    Write("MENDATA1.txt", RecordFiles::StageFileText({StageSolvedByM(), StageSolvedByS()}));
    Write("BEST1.txt", "2\r\n3\r\n\"QSM\"\r\n0\r\n\"\"\r\n");
    Write("MENDATA2.txt", RecordFiles::StageFileText({StageSolvedByT()}));
    Write("BEST2.txt", "1\r\n1\r\n1\r\n\"T\"\r\n");
  }
  void Write(const std::string& name, const std::string& text) { folder.Write(name, text); }
  int Run(const std::vector<std::string>& args) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    const int status = stages::MakeStagesTool().Run(args, outStream, errStream);
    out = outStream.str();
    err = errStream.str();
    return status;
  }
  std::string Path(const char* name) { return folder.Path(name); }
  std::string Folder() const { return folder.Text(); }

  // Given back when the test ends: the cache is the test's own, never the user's.
  SavedEnvironment cacheVariable{"KELVORA_CACHE_DIR"};
  DiskFolder folder{"records-tool"};
  std::string out;
  std::string err;
};

TEST_F(RecordsToolTest, CheckCallsASoundFolderSound) {
  EXPECT_EQ(Run({"check", Folder()}), 0) << out << err;
  EXPECT_NE(out.find("sound: 2 prepared stages, 1 archived random stage, 2 records"),
            std::string::npos)
      << out;
}

TEST_F(RecordsToolTest, CheckNamesEveryDamagedFileByLine) {
  Write("MENDATA1.txt", "2\r\n1\r\n2\r\n2\r\n14\r\n");
  Write("BEST2.txt", "1\r\nbest\r\n");
  EXPECT_EQ(Run({"check", Folder()}), 1);
  EXPECT_NE(out.find(Path("MENDATA1.txt") + ", line 5: expected a tile code from 1 to 13"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(Path("BEST2.txt") + ", line 2: expected a move count of 0 or more"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("2 problems found"), std::string::npos) << out;
  // One language throughout: no Japanese explanation inside the English frame.
  EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](char c) { return (c & 0x80) == 0; })) << out;
}

TEST_F(RecordsToolTest, CheckNamesEachRecordThatDoesNotSolveItsStage) {
  // Stage 2's best claims 1 move but its move does not solve it; the random result claims 2
  // moves with a history of 1.
  Write("BEST1.txt", "2\r\n3\r\n\"QSM\"\r\n1\r\n\"Q\"\r\n");
  Write("BEST2.txt", "1\r\n2\r\n2\r\n\"T\"\r\n");
  EXPECT_EQ(Run({"check", Folder()}), 1);
  EXPECT_EQ(out, Path("BEST1.txt") +
                     ", line 5: stage 2: the best of 1 move does not hold: the stage is not "
                     "solved after 1 move\n" +
                     Path("BEST2.txt") +
                     ", line 4: random stage 1: the result of 2 moves does not hold: its history "
                     "holds 1 move\n"
                     "2 problems found\n");
}

// Without a folder, the game's own, named: beside the test program on a desktop (a folder it may
// write to), the player's storage in a browser, whose program folder holds delivered files only.
TEST_F(RecordsToolTest, CheckWithoutAFolderSaysItReadsTheGamesRecords) {
  const std::string games = RecordsFolder().Path();
  EXPECT_EQ(Run({"check"}), 1);
  EXPECT_EQ(err, "kelvora-stages check: the game's records in " + games + "\n");
  EXPECT_NE(out.find(games), std::string::npos) << out;
}

TEST_F(RecordsToolTest, CheckAndReportRefuseBadArguments) {
  EXPECT_EQ(Run({"check", "a", "b"}), 2);
  EXPECT_EQ(Run({"report", Folder(), "--tables", "huge"}), 2);
  EXPECT_NE(err.find("--tables"), std::string::npos);
}

TEST_F(RecordsToolTest, ReportSetsEachRecordAgainstItsPar) {
  ASSERT_EQ(Run({"report", Folder(), "--tables", "small"}), 0) << err;
  std::istringstream lines(out);
  std::vector<std::string> rows;
  for (std::string line; std::getline(lines, line);) rows.push_back(line);
  const auto has = [&](const std::string& text) {
    return std::find(rows.begin(), rows.end(), text) != rows.end();
  };
  EXPECT_TRUE(has("        1        3      1      3.00")) << out;
  EXPECT_TRUE(has("        2        -      1         -")) << out;
  EXPECT_TRUE(has("        1        1      1      1.00")) << out;
  EXPECT_TRUE(has("  1 of 2 prepared stages has a best: 3 moves against a par of 1 (3.00)")) << out;
  EXPECT_TRUE(has("  1 archived random stage: 1 move against a par of 1 (1.00); your best: 1 move"))
      << out;
}

TEST_F(RecordsToolTest, ReportSaysPlainlyWhenThereIsNoRecordYet) {
  Write("BEST1.txt", "2\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n");
  Write("MENDATA2.txt", "0\r\n");
  Write("BEST2.txt", "0\r\n9999\r\n");
  ASSERT_EQ(Run({"report", Folder(), "--tables", "small"}), 0) << err;
  const std::size_t totals = out.find("\nTotals\n");
  ASSERT_NE(totals, std::string::npos) << out;
  EXPECT_EQ(out.substr(totals),
            "\nTotals\n  no prepared stage has a best yet\n  no random stage archived yet\n");
  EXPECT_NE(out.find("Archived random stages\n  none yet\n"), std::string::npos) << out;
}

TEST_F(RecordsToolTest, ReportRefusesADamagedFolder) {
  Write("BEST1.txt", "3\r\n");
  EXPECT_EQ(Run({"report", Folder(), "--tables", "small"}), 1);
  EXPECT_NE(err.find(Path("BEST1.txt") + ", line 1"), std::string::npos) << err;
}

}  // namespace
}  // namespace kelvora::testing
