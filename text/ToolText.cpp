// The tools' texts that are put together from parts, counting in words.
#include "text/ToolText.h"

#include <cstdio>

namespace kelvora::text {

std::string CountOf(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

namespace replay {

namespace {
std::string Ordinal(long long move) {
  return "move " + std::to_string(move);
}
}  // namespace

std::string SolvedBeforeFirstMove() {
  return "the stage is solved before the first move";
}

std::string NotAMoveLetter(long long move, char letter) {
  return Ordinal(move) + " is '" + std::string(1, letter) + "', not a move letter A to T";
}

std::string NoBlankBeside(long long move, char letter) {
  return Ordinal(move) + " ('" + std::string(1, letter) +
         "') slides a tile that has no blank above or below it";
}

std::string SolvedEarly(long long after, long long moves) {
  return "the stage is solved after " + std::to_string(after) + " of " +
         CountOf(moves, "move", "moves");
}

std::string NotSolved(long long moves) {
  return "the stage is not solved after " + CountOf(moves, "move", "moves");
}

}  // namespace replay

namespace solutions {

std::string NotASolutionLine(long long line) {
  return "line " + std::to_string(line) + ": expected a par, a blank and the move letters";
}

std::string WrongSolutionLength(long long line, long long par, long long letters) {
  return "line " + std::to_string(line) + ": a par of " + std::to_string(par) + " with " +
         CountOf(letters, "move letter", "move letters");
}

}  // namespace solutions

namespace stages {

namespace {

std::string Moves(long long count) {
  return CountOf(count, "move", "moves");
}

std::string AgainstPar(long long moves, long long par, const std::string& ratio) {
  return Moves(moves) + " against a par of " + std::to_string(par) + " (" + ratio + ")";
}

}  // namespace

std::string ToolSays(const std::string& command, const std::string& what) {
  return "kelvora-stages" + (command.empty() ? "" : " " + command) + ": " + what + "\n";
}

std::string UnknownCommand(const std::string& name) {
  return "unknown command '" + name + "' (see kelvora-stages --help)";
}

std::string OneCodesArgument(long long got) {
  return "expected one argument, the 16 tile codes, got " + std::to_string(got);
}

std::string UnexpectedArgument(const std::string& argument) {
  return "unexpected argument '" + argument + "'";
}

std::string UnknownOption(const std::string& name) {
  return "unknown option --" + name;
}

std::string OptionNeedsValue(const std::string& name) {
  return "option --" + name + " needs a value";
}

std::string NotAWholeNumber(const std::string& option, long long low, long long high,
                            const std::string& value) {
  return "--" + option + " must be a whole number from " + std::to_string(low) + " to " +
         std::to_string(high) + ", not '" + value + "'";
}

std::string NotAPar(const std::string& value, int highest) {
  return "--pars: '" + value + "' is not a par from 1 to " + std::to_string(highest);
}

std::string TooManyPars(int most) {
  return "--pars: at most " + std::to_string(most) + " stages";
}

std::string WrongValueCount(long long got) {
  return "expected 16 comma-separated tile codes, got " + CountOf(got, "value", "values");
}

std::string NotANumber(long long value, const std::string& text) {
  return "value " + std::to_string(value) + " ('" + text + "') is not a number";
}

std::string NotATileCode(int value, int code) {
  return "value " + std::to_string(value) + " is " + std::to_string(code) +
         ", not a tile code 1 to 13";
}

std::string WrongTileCount(int code, int appears, int inGoal) {
  return "code " + std::to_string(code) + " appears " + CountOf(appears, "time", "times") +
         ", the goal has it " + CountOf(inGoal, "time", "times");
}

std::string ParDidNotVerify(int par, const std::string& why) {
  return "a stage for par " + std::to_string(par) + " did not verify: " + why;
}

std::string OptimalLengthIs(long long moves) {
  return "its optimal length is " + std::to_string(moves);
}

std::string CannotWrite(const std::string& path) {
  return "cannot write " + path;
}

std::string HistoryHolds(long long letters) {
  return "its history holds " + Moves(letters);
}

std::string BestDoesNotHold(const std::string& path, int line, int stage, long long moves,
                            const std::string& why) {
  return path + ", line " + std::to_string(line) + ": stage " + std::to_string(stage) +
         ": the best of " + Moves(moves) + " does not hold: " + why + "\n";
}

std::string ResultDoesNotHold(const std::string& path, int line, int entry, long long moves,
                              const std::string& why) {
  return path + ", line " + std::to_string(line) + ": random stage " + std::to_string(entry) +
         ": the result of " + Moves(moves) + " does not hold: " + why + "\n";
}

std::string FolderIsSound(long long preparedStages, long long archivedStages, long long replayed) {
  return "sound: " + CountOf(preparedStages, "prepared stage", "prepared stages") + ", " +
         CountOf(archivedStages, "archived random stage", "archived random stages") + ", " +
         CountOf(replayed, "record", "records") + " replayed to " +
         (replayed == 1 ? "its" : "their") + " solve\n";
}

std::string ProblemsFound(long long problems) {
  return CountOf(problems, "problem", "problems") + " found\n";
}

std::string ReportRow(const std::string& first, const std::string& result, const std::string& par,
                      const std::string& ratio) {
  char line[128];
  std::snprintf(line, sizeof line, "  %7s  %7s  %5s  %8s\n", first.c_str(), result.c_str(),
                par.c_str(), ratio.c_str());
  return line;
}

std::string PreparedColumns() {
  return ReportRow("stage", "best", "par", "best/par");
}

std::string ArchiveColumns() {
  return ReportRow("entry", "moves", "par", "moves/par");
}

std::string PreparedTotals(int withBest, int stages, long long moves, long long par,
                           const std::string& ratio) {
  return "  " + std::to_string(withBest) + " of " +
         CountOf(stages, "prepared stage", "prepared stages") + (withBest == 1 ? " has" : " have") +
         " a best: " + AgainstPar(moves, par, ratio) + "\n";
}

std::string ArchiveTotals(int stages, long long moves, long long par, const std::string& ratio,
                          std::optional<long long> randomBest) {
  std::string text = "  " + CountOf(stages, "archived random stage", "archived random stages") +
                     ": " + AgainstPar(moves, par, ratio);
  if (randomBest) text += "; your best: " + Moves(*randomBest);
  return text + "\n";
}

std::string BuildingTablesIn(const std::string& folder) {
  return "building the solver's tables in " + folder + ", where later runs find them";
}

std::string UsingRecordsIn(const std::string& folder) {
  return "the game's records in " + folder;
}

std::string TableProgressLine(const std::string& table, int percent) {
  return "building table " + table + ": " + std::to_string(percent) + "%\n";
}

std::string TableProgressBar(const std::string& table, int filled, int width, int percent) {
  return "building table " + table + " [" + std::string(filled, '#') +
         std::string(width - filled, '.') + "] " + std::to_string(percent) + "%";
}

std::string BuiltTableAnew(const std::string& table, const std::string& reason) {
  return "built table " + table + " anew: " + reason;
}

std::string CacheFileUnreadable(const std::string& path) {
  return "cache file " + path + " is unreadable or short";
}

std::string CacheFileUntrusted(const std::string& path, const std::string& problem) {
  return "cache file " + path + " " + problem;
}

std::string NotKept(const std::string& reason, const std::string& problem) {
  return reason + "; not kept: " + problem;
}

std::string CannotCreate(const std::string& folder, const std::string& why) {
  return "cannot create " + folder + ": " + why;
}

std::string CannotRename(const std::string& from, const std::string& to) {
  return "cannot rename " + from + " to " + to;
}

}  // namespace stages

}  // namespace kelvora::text
