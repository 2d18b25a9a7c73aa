// The check reads the files with the game's own reader and replays records with the game's own
// moves, so what it calls sound is what the game will accept and reproduce.
#include "solver/cli/CheckCommand.h"

#include "core/HistoryReplay.h"
#include "modes/DataFiles.h"
#include "modes/DiskFileStore.h"
#include "solver/cli/OptionReader.h"

namespace kelvora::stages {

namespace {

std::string Count(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string Moves(long long count) {
  return Count(count, "move", "moves");
}

// Why a stored record (moves and history) does not solve its stage; empty when it does. A
// stored 0 with no history is no record at all.
std::string RecordProblem(const StageGrid& start, std::int32_t moves, const std::string& history) {
  if (moves == 0 && history.empty()) return {};
  if (static_cast<std::int32_t>(history.size()) != moves) {
    return "its history holds " + Moves(static_cast<long long>(history.size()));
  }
  const ReplayResult replay = ReplayHistory(start, history);
  return replay.solved ? std::string() : replay.problem;
}

}  // namespace

std::string CheckCommand::Summary() const {
  return "check a game folder's data files and replay every stored record";
}

std::string CheckCommand::Help() const {
  return "Usage: kelvora-stages check FOLDER\n"
         "\n"
         "Reads the four data files in FOLDER (MENDATA1.txt, MENDATA2.txt, BEST1.txt, BEST2.txt)\n"
         "exactly as the game does and names each damaged file with the line of its first\n"
         "damage and what belongs there. Then replays every stored best of a prepared stage and\n"
         "every archived random stage from its starting position with the game's own moves, and\n"
         "names each one whose history does not solve its stage in exactly its stored number of\n"
         "moves. Writes nothing.\n"
         "\n"
         "Exit status: 0 all sound, 1 damage or a record that does not hold, 2 bad arguments.\n";
}

int CheckCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() != 1) problem = "expected one argument, FOLDER";
  if (!problem.empty()) {
    err << "kelvora-stages check: " << problem << "\n";
    return kExitUsage;
  }
  DiskFileStore store;
  DataTables unused;
  DataFiles files(unused, store, options.Plain()[0]);
  const DataFilesCheck check = files.CheckDataFiles();
  int problems = 0;
  for (const DataFileError& damage : check.damage) {
    out << damage.what() << "\n";
    ++problems;
  }

  const DataTables& tables = check.tables;
  int replayed = 0;
  if (check.preparedSound) {
    for (int s = 1; s <= tables.preparedStageCount; ++s) {
      const std::string why =
          RecordProblem(tables.preparedStages[s], tables.bestMoves[s], tables.bestHistory[s]);
      replayed += tables.bestMoves[s] != 0 || !tables.bestHistory[s].empty() ? 1 : 0;
      if (why.empty()) continue;
      out << files.MYpath() << kPreparedBestFile << ", line " << 1 + 2 * s << ": stage " << s
          << ": the best of " << Moves(tables.bestMoves[s]) << " does not hold: " << why << "\n";
      ++problems;
    }
  }
  if (check.randomSound) {
    for (int i = 1; i <= tables.randomStageCount; ++i) {
      const std::string why = RecordProblem(tables.randomStages[i], tables.randomRecordMoves[i],
                                            tables.randomRecordHistory[i]);
      ++replayed;
      if (why.empty()) continue;
      out << files.MYpath() << kRandomRecordsFile << ", line " << 2 + 2 * i << ": random stage "
          << i << ": the result of " << Moves(tables.randomRecordMoves[i])
          << " does not hold: " << why << "\n";
      ++problems;
    }
  }
  if (problems == 0) {
    out << "sound: " << Count(tables.preparedStageCount, "prepared stage", "prepared stages")
        << ", " << Count(tables.randomStageCount, "archived random stage", "archived random stages")
        << ", " << Count(replayed, "record", "records") << " replayed to "
        << (replayed == 1 ? "its" : "their") << " solve\n";
    return kExitOk;
  }
  out << Count(problems, "problem", "problems") << " found\n";
  return kExitFailed;
}

}  // namespace kelvora::stages
