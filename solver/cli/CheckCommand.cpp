// The check reads the files with the game's own records library and replays records by the
// game's own rules, so what it calls sound is what the game will accept and reproduce.
#include "solver/cli/CheckCommand.h"

#include "core/HistoryReplay.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "solver/cli/OptionReader.h"
#include "solver/cli/RecordsFolderArgument.h"
#include "text/ToolText.h"

namespace kelvora::stages {

namespace {

// Why a stored record (moves and history) does not solve its stage; empty when it does. A
// stored 0 with no history is no record at all.
std::string RecordProblem(const Position& start, int moves, const std::string& history) {
  if (moves == 0 && history.empty()) return {};
  if (static_cast<long long>(history.size()) != moves) {
    return text::stages::HistoryHolds(static_cast<long long>(history.size()));
  }
  const ReplayResult replay = ReplayHistory(start, history);
  return replay.solved ? std::string() : replay.status.English();
}

// The line of a record file where the moves of entry (from 1) stand: after the count (and, in
// the random records, the best), two lines an entry.
int PreparedBestLine(int stage) {
  return 1 + 2 * stage;
}
int RandomRecordLine(int entry) {
  return 2 + 2 * entry;
}

}  // namespace

std::string CheckCommand::Summary() const {
  return text::stages::kCheckSummary;
}

std::string CheckCommand::Help() const {
  return text::stages::kCheckHelp;
}

int CheckCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  OptionReader options(args, {});
  std::string problem = options.Problem();
  if (problem.empty() && options.Plain().size() > 1) problem = text::stages::kOneFolder;
  if (!problem.empty()) {
    err << text::stages::ToolSays(Name(), problem);
    return kExitUsage;
  }
  DiskFileStore store;
  const RecordFiles files(store, RecordsFolderArgument(options.Plain(), Name(), err));
  const FolderCheck check = files.Check();
  int problems = 0;
  for (const Status& damage : check.damage) {
    out << damage.English() << "\n";
    ++problems;
  }

  const Records& records = check.records;
  int replayed = 0;
  if (check.preparedSound) {
    for (std::size_t s = 0; s < records.prepared.size(); ++s) {
      const PreparedStage& stage = records.prepared[s];
      const std::string why = RecordProblem(stage.start, stage.bestMoves, stage.bestHistory);
      replayed += stage.bestMoves != 0 || !stage.bestHistory.empty() ? 1 : 0;
      if (why.empty()) continue;
      const int number = static_cast<int>(s) + 1;
      out << text::stages::BestDoesNotHold(files.Folder() + kPreparedBestFile,
                                           PreparedBestLine(number), number, stage.bestMoves, why);
      ++problems;
    }
  }
  if (check.randomSound) {
    for (std::size_t i = 0; i < records.archive.size(); ++i) {
      const ArchivedStage& stage = records.archive[i];
      const std::string why = RecordProblem(stage.start, stage.moves, stage.history);
      ++replayed;
      if (why.empty()) continue;
      const int number = static_cast<int>(i) + 1;
      out << text::stages::ResultDoesNotHold(files.Folder() + kRandomRecordsFile,
                                             RandomRecordLine(number), number, stage.moves, why);
      ++problems;
    }
  }
  if (problems == 0) {
    out << text::stages::FolderIsSound(static_cast<long long>(records.prepared.size()),
                                       static_cast<long long>(records.archive.size()), replayed);
    return kExitOk;
  }
  out << text::stages::ProblemsFound(problems);
  return kExitFailed;
}

}  // namespace kelvora::stages
