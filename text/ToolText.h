// The texts of the command-line tools, in English.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "text/Phrase.h"

namespace kelvora::text {

// "1 move", "0 moves", "3 archived random stages": a number with its noun in the right form.
std::string CountOf(long long count, const char* one, const char* many);

// A reason only the tools give, for a Status: the tools speak English only, so it has no
// Japanese half and no window shows it.
inline Phrase ToolReason(std::string english) {
  return {{}, std::move(english)};
}

// Why a replayed history is not a solve; moves are numbered from 1.
namespace replay {
std::string SolvedBeforeFirstMove();
std::string NotAMoveLetter(long long move, char letter);
std::string NoBlankBeside(long long move, char letter);
std::string SolvedEarly(long long after, long long moves);
std::string NotSolved(long long moves);
}  // namespace replay

// The list of proving solutions beside a stage file, read back: lines counted from 1.
namespace solutions {
std::string NotASolutionLine(long long line);
std::string WrongSolutionLength(long long line, long long par, long long letters);
}  // namespace solutions

// kelvora-stages, the prepared stages' tool, and what its solver tells the person running it.
namespace stages {

// Texts that make up whole lines of output end in their newline; the others are parts of a
// line, most of them for ToolSays.

// A line on the error stream: "kelvora-stages: what" or, from a command,
// "kelvora-stages solve: what". An empty command is the tool itself.
std::string ToolSays(const std::string& command, const std::string& what);

// The tool's help, around its list of commands (a line each: name and summary).
inline constexpr const char* kToolHelpHead =
    "Usage: kelvora-stages COMMAND [ARGUMENTS]\n"
    "Prepared stages and their optimal solutions.\n"
    "\n"
    "Commands:\n";
inline constexpr const char* kToolHelpTail =
    "\n"
    "'kelvora-stages COMMAND --help' describes a command.\n"
    "Solver tables are cached in $KELVORA_CACHE_DIR, else $XDG_CACHE_HOME/kelvora, else\n"
    "~/.cache/kelvora. The first run builds them: about 390 MB, in under a minute on two\n"
    "cores or two on one (longer while other programs keep the processor busy).\n"
    "For a quick try, --tables small builds small tables in a moment.\n";
std::string UnknownCommand(const std::string& name);

// Each command's summary for the tool's help, and its own help.
inline constexpr const char* kSolveSummary =
    "print the optimal number of moves for a position, and the moves";
inline constexpr const char* kSolveHelp =
    "Usage: kelvora-stages solve CODES [--tables full|small]\n"
    "\n"
    "CODES: the 16 tile codes of a position, comma-separated, in stage-file order (column 1\n"
    "top to bottom, then columns 2, 3 and 4); 13 is the blank. For example the goal is\n"
    "  1,2,2,3,4,5,5,6,7,8,8,9,13,10,11,12\n"
    "\n"
    "Prints the optimal number of moves on the first line and the moves on the second, as\n"
    "the letters the game records (A..P: the tile at that index slides, Q/S: row 1\n"
    "right/left, R/T: row 4 right/left).\n"
    "\n"
    "  --tables full|small  full (default): fast everywhere, built once and cached (about\n"
    "                       390 MB; a minute on two cores, two on one, longer on a busy\n"
    "                       machine); small: built in a moment, fast only near the goal\n"
    "\n"
    "Exit status: 0 solved, 2 a bad position or bad arguments.\n";
inline constexpr const char* kGenerateSummary =
    "make a prepared-stage set with chosen optimal lengths";
inline constexpr const char* kGenerateHelp =
    "Usage: kelvora-stages generate (--pars LIST | --count N --max-par M [--min-par K])\n"
    "                              [--seed S] [--out FILE] [--tables full|small]\n"
    "\n"
    "Makes one stage for each par asked for, in that order, each verified to need exactly\n"
    "its par in moves. The same options and seed always make the same stages.\n"
    "\n"
    "  --pars LIST       comma-separated pars, each 1 to 60, e.g. 1,2,3,10,20; with the\n"
    "                    full tables a par up to 50 takes a second or two, 55 a few\n"
    "                    seconds, 58 and over a minute or more (such positions are rare)\n"
    "  --count N         N stages (1 to 1000) with pars spread evenly from K to M,\n"
    "  --max-par M       lowest first\n"
    "  --min-par K       default 1\n"
    "  --seed S          a whole number, default 1\n"
    "  --out FILE        write the stage file there instead of to standard output\n"
    "  --solutions FILE  also write each stage's par and an optimal solution, a line each\n"
    "  --tables full|small  as for solve; small is only quick for pars up to about 15\n"
    "\n"
    "The stage file: the number of stages on the first line, then each stage's 16 codes\n"
    "in stage-file order, one a line; lines end CR LF.\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be written, 2 bad arguments.\n";
inline constexpr const char* kCheckSummary =
    "check a game folder's data files and replay every stored record";
inline constexpr const char* kCheckHelp =
    "Usage: kelvora-stages check [FOLDER]\n"
    "\n"
    "Reads the four data files in FOLDER (MENDATA1.txt, MENDATA2.txt, BEST1.txt, BEST2.txt)\n"
    "exactly as the game does and names each damaged file with the line of its first\n"
    "damage and what belongs there. Then replays every stored best of a prepared stage and\n"
    "every archived random stage from its starting position with the game's own moves, and\n"
    "names each one whose history does not solve its stage in exactly its stored number of\n"
    "moves. Writes nothing.\n"
    "\n"
    "Without FOLDER, the folder the game keeps its records in, named on standard error.\n"
    "\n"
    "Exit status: 0 all sound, 1 damage or a record that does not hold, 2 bad arguments.\n";
inline constexpr const char* kReportSummary =
    "list the records of a game folder against the optimal solutions";
inline constexpr const char* kReportHelp =
    "Usage: kelvora-stages report [FOLDER] [--tables full|small]\n"
    "\n"
    "Loads the data files in FOLDER as the game does and prints a table: each prepared\n"
    "stage with the player's best (- when it has none), its par (the optimal number of\n"
    "moves) and best/par; each archived random stage with its result, par and ratio; then\n"
    "totals over the stages that have a result, and the best of the random results.\n"
    "Without FOLDER, the folder the game keeps its records in, named on standard error.\n"
    "\n"
    "  --tables full|small  as for solve\n"
    "\n"
    "Exit status: 0 printed, 1 a data file is damaged (see check), 2 bad arguments.\n";

// Arguments that make no sense: each problem is one line's worth, without the tool's name.
inline constexpr const char* kOneFolder = "expected at most one argument, FOLDER";
std::string OneCodesArgument(long long got);
inline constexpr const char* kTablesFullOrSmall = "--tables must be full or small";
std::string UnexpectedArgument(const std::string& argument);
std::string UnknownOption(const std::string& name);
std::string OptionNeedsValue(const std::string& name);
std::string NotAWholeNumber(const std::string& option, long long low, long long high,
                            const std::string& value);
std::string NotAPar(const std::string& value, int highest);
std::string TooManyPars(int most);
inline constexpr const char* kParsAlone =
    "--pars cannot be combined with --count, --max-par or --min-par";
inline constexpr const char* kParsOrCount = "give --pars, or --count and --max-par";
inline constexpr const char* kMinParAboveMax = "--min-par is above --max-par";

// A position given as codes that is not one: values are numbered from 1, as they are written.
std::string WrongValueCount(long long got);
std::string NotANumber(long long value, const std::string& text);
std::string NotATileCode(int value, int code);
std::string WrongTileCount(int code, int appears, int inGoal);

// generate.
std::string ParDidNotVerify(int par, const std::string& why);
std::string OptimalLengthIs(long long moves);
std::string CannotWrite(const std::string& path);

// check: a record that does not hold names its file, line and stage (entries counted from 1).
std::string HistoryHolds(long long letters);
std::string BestDoesNotHold(const std::string& path, int line, int stage, long long moves,
                            const std::string& why);
std::string ResultDoesNotHold(const std::string& path, int line, int entry, long long moves,
                              const std::string& why);
std::string FolderIsSound(long long preparedStages, long long archivedStages, long long replayed);
std::string ProblemsFound(long long problems);

// report: two tables of right-aligned columns, then the totals.
std::string ReportRow(const std::string& first, const std::string& result, const std::string& par,
                      const std::string& ratio);
// In a column where a stage has no figure.
inline constexpr const char* kNoFigure = "-";
inline constexpr const char* kPreparedHeading = "Prepared stages\n";
std::string PreparedColumns();
inline constexpr const char* kNoPreparedStages = "  none\n";
inline constexpr const char* kArchiveHeading = "\nArchived random stages\n";
std::string ArchiveColumns();
inline constexpr const char* kEmptyArchive = "  none yet\n";
inline constexpr const char* kTotalsHeading = "\nTotals\n";
inline constexpr const char* kNoPreparedBest = "  no prepared stage has a best yet\n";
inline constexpr const char* kNothingArchived = "  no random stage archived yet\n";
// Sums over the stages with a result: moves against their pars, ratio as the table writes it.
std::string PreparedTotals(int withBest, int stages, long long moves, long long par,
                           const std::string& ratio);
std::string ArchiveTotals(int stages, long long moves, long long par, const std::string& ratio,
                          std::optional<long long> randomBest);

// Building the solver's tables: said once before the first, then a line (or a bar redrawn in
// place) as each one grows.
std::string BuildingTablesIn(const std::string& folder);
// The records a command reads when it is given no folder: the game's own.
std::string UsingRecordsIn(const std::string& folder);
std::string TableProgressLine(const std::string& table, int percent);
std::string TableProgressBar(const std::string& table, int filled, int width, int percent);
// A table built although the cache was there to hold it: the cache file was damaged or stale.
std::string BuiltTableAnew(const std::string& table, const std::string& reason);

// Why a table was built rather than taken from the cache.
inline constexpr const char* kNoCacheFolder = "no cache folder";
inline constexpr const char* kNotCachedYet = "no cache file yet";
std::string CacheFileUnreadable(const std::string& path);
// problem: what is wrong with the file, one of the phrases below.
std::string CacheFileUntrusted(const std::string& path, const std::string& problem);
inline constexpr const char* kNotATableFile = "is not a table file";
inline constexpr const char* kOtherVersion = "was written by another version";
inline constexpr const char* kOtherPattern = "holds another pattern";
inline constexpr const char* kWrongSize = "has the wrong size";
inline constexpr const char* kFailsChecksum = "fails its checksum";
std::string NotKept(const std::string& reason, const std::string& problem);
std::string CannotCreate(const std::string& folder, const std::string& why);
std::string CannotRename(const std::string& from, const std::string& to);

}  // namespace stages

}  // namespace kelvora::text
