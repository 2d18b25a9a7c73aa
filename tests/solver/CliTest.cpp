// Tests of kelvora-stages: errors, help, solve and generate.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "SolverSupport.h"
#include "core/HistoryReplay.h"
#include "solver/Solver.h"
#include "solver/cli/CommandLine.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/SystemLacks.h"
#include "text/Utf8Path.h"

// kelvora-stages: bad positions and options get one line and exit status 2 before any table is
// touched; good ones get their optimal answer; generated stage files are exact and repeatable.

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

Outcome RunTool(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  Outcome outcome;
  outcome.status = stages::MakeStagesTool().Run(args, out, err);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

int LineCount(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

constexpr const char* kGoal = "1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,12";

// Small tables cached in a folder of the test's own, never the user's cache.
class StagesToolTest : public ::testing::Test {
 protected:
  StagesToolTest() { SetEnvironment("KELVORA_CACHE_DIR", folder.Text()); }

  SavedEnvironment cacheVariable{"KELVORA_CACHE_DIR"};
  DiskFolder folder{"stages-tool"};
};

TEST(StagesToolErrors, BadPositionsGetOneLineAndStatusTwo) {
  struct Case {
    std::string codes;
    std::string problem;
  };
  for (const Case& c : {
           Case{"1,2,2,3", "expected 16 comma-separated tile codes, got 4 values"},
           Case{std::string(kGoal) + ",1", "got 17 values"},
           Case{"", "got 1 value"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,x", "value 16 ('x') is not a number"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,", "value 16 ('') is not a number"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,1.5", "value 16 ('1.5') is not a number"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,99999999999", "is not a number"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,14", "value 16 is 14, not a tile code"},
           Case{"0,2,2,3,4,5,5,6,7,8,8,9,13,10,11,12", "value 1 is 0"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,-12", "value 16 is -12"},
           Case{"1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,11", "code 11 appears 2 times"},
           Case{"13,2,2,3,4,5,5,6,7,8,8,9,13,10,11,12", "code 1 appears 0 times"},
       }) {
    const Outcome outcome = RunTool({"solve", c.codes});
    EXPECT_EQ(outcome.status, stages::kExitUsage) << c.codes;
    EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
    EXPECT_NE(outcome.err.find(c.problem), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.out, "") << c.codes;
  }
}

TEST(StagesToolErrors, BadUsageGetsStatusTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"unsolve", kGoal},
           {"solve"},
           {"solve", kGoal, kGoal},
           {"solve", kGoal, "--tables", "huge"},
           {"solve", kGoal, "--fast"},
           {"generate"},
           {"generate", "--pars", "0"},
           {"generate", "--pars", "1,61"},
           {"generate", "--pars", "1,,2"},
           {"generate", "--pars", "1", "--count", "3"},
           {"generate", "--count", "3"},
           {"generate", "--count", "0", "--max-par", "5"},
           {"generate", "--count", "3", "--max-par", "5", "--min-par", "6"},
           {"generate", "--count", "3", "--max-par", "5", "--seed", "-1"},
           {"generate", "--count", "3", "--max-par"},
           {"generate", "--pars", "3", "stray"},
       }) {
    const Outcome outcome = RunTool(args);
    EXPECT_EQ(outcome.status, stages::kExitUsage) << ::testing::PrintToString(args);
    EXPECT_FALSE(outcome.err.empty());
    EXPECT_EQ(outcome.out, "");
  }
}

TEST(StagesToolHelp, TheToolAndEachCommandExplainThemselves) {
  const Outcome tool = RunTool({"--help"});
  EXPECT_EQ(tool.status, 0);
  EXPECT_NE(tool.out.find("solve"), std::string::npos);
  EXPECT_NE(tool.out.find("generate"), std::string::npos);
  for (const std::string command : {"solve", "generate"}) {
    const Outcome help = RunTool({command, "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: kelvora-stages " + command, 0), 0u) << help.out;
    EXPECT_EQ(RunTool({"help", command}).out, help.out);
  }
}

TEST_F(StagesToolTest, SolvePrintsTheLengthAndMovesThatReplay) {
  // Three moves from the goal: the blank went down column 4 twice, then row 4 turned right.
  const Position start = Position::FromCodes({1, 2, 2, 12, 4, 5, 5, 3, 7, 8, 8, 6, 10, 11, 13, 9});
  std::string codes;
  for (int code : start.Codes()) {
    if (!codes.empty()) codes += ',';
    codes += std::to_string(code);
  }
  const Outcome outcome = RunTool({"solve", codes, "--tables", "small"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out.substr(0, 2), "3\n");
  const std::string letters = outcome.out.substr(2, outcome.out.size() - 3);
  EXPECT_EQ(letters.size(), 3u);
  EXPECT_TRUE(ReplayHistory(start, letters).solved) << letters;

  const Outcome goal = RunTool({"solve", kGoal, "--tables=small"});
  EXPECT_EQ(goal.out, "0\n\n");
  // An option given twice counts as last given, in either spelling.
  EXPECT_EQ(RunTool({"solve", "--tables", "huge", kGoal, "--tables=small"}).out, "0\n\n");
  EXPECT_EQ(RunTool({"solve", "--tables=small", kGoal, "--tables", "huge"}).status,
            stages::kExitUsage);
}

TEST_F(StagesToolTest, GenerateWritesAnExactRepeatableStageFile) {
  const std::vector<std::string> args{"generate", "--pars",   "1,4,7,11,3", "--seed",
                                      "9",        "--tables", "small"};
  const Outcome first = RunTool(args);
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(RunTool(args).out, first.out);
  std::vector<std::string> otherSeed = args;
  otherSeed[4] = "10";
  EXPECT_NE(RunTool(otherSeed).out, first.out);

  // Every line ends CR LF; the count, then 16 plain decimal codes a stage.
  const std::string& text = first.out;
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    ASSERT_NE(end, std::string::npos);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  ASSERT_EQ(lines.size(), 1u + 5 * 16);
  EXPECT_EQ(lines[0], "5");
  solver::Solver solver(SmallTablePointers());
  const std::array<int, 5> pars{1, 4, 7, 11, 3};
  for (int stage = 0; stage < 5; ++stage) {
    std::array<int, 16> codes{};
    for (int i = 0; i < 16; ++i) {
      const std::string& line = lines[1 + stage * 16 + i];
      ASSERT_EQ(line.find_first_not_of("0123456789"), std::string::npos) << line;
      codes[i] = std::stoi(line);
    }
    const Position position = Position::FromCodes(codes);
    ASSERT_TRUE(position.HoldsTheGoalsTiles());
    EXPECT_EQ(static_cast<int>(solver.Solve(solver::PackedPosition::From(position)).size()),
              pars[stage]);
  }
}

TEST_F(StagesToolTest, GenerateSpreadsParsAndWritesToAFile) {
  const fs::path file = folder.path / "stages.txt";
  const Outcome outcome = RunTool({"generate", "--count", "4", "--max-par", "10", "--min-par", "4",
                                   "--out", Utf8FromPath(file), "--tables", "small"});
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "");
  std::ifstream in(file, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text.rfind("4\r\n", 0), 0u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 4 * 16);

  const Outcome unwritable =
      RunTool({"generate", "--pars", "2", "--out",
               Utf8FromPath(folder.path / "no" / "such" / "folder"), "--tables", "small"});
  EXPECT_EQ(unwritable.status, stages::kExitFailed);
}

// Carriage returns only make sense to a terminal; in a log they pile up on one unreadable line.
TEST_F(StagesToolTest, OffATerminalTheFirstRunReportsProgressInWholeLines) {
  KELVORA_SKIP_WHERE_SYSTEM_LACKS(kChildProcesses);
  const fs::path log = folder.path / "stderr.txt";
  ChildProcess tool = ChildProcess::Start(
      KELVORA_STAGES_TOOL, {"solve", kGoal, "--tables", "small"}, "", Utf8FromPath(log));
  ASSERT_EQ(tool.Wait(), 0);
  std::ifstream in(log);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(text.find('\r'), std::string::npos) << text;
  EXPECT_NE(text.find("building the solver's tables in " + folder.Text()), std::string::npos)
      << text;
  EXPECT_NE(text.find(": 100%\n"), std::string::npos) << text;
  // A line every tenth of each of the four small tables, not every percent.
  EXPECT_LE(LineCount(text), 1 + 4 * 11) << text;
}

TEST(StagesToolProcess, TheRealExecutableExitsWithStatusTwoOnABadPosition) {
  KELVORA_SKIP_WHERE_SYSTEM_LACKS(kChildProcesses);
  EXPECT_EQ(ChildProcess::Start(KELVORA_STAGES_TOOL, {"solve", "1,2,3"}).Wait(), 2);
}

}  // namespace
}  // namespace kelvora::testing
