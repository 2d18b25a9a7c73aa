// Timings of the solver: table builds, stages shuffled the way the game shuffles them, and hints.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/HistoryReplay.h"
#include "core/Rules.h"
#include "core/Shuffle.h"
#include "core/SolutionList.h"
#include "game/DeliveredPars.h"
#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "solver/Checksum.h"
#include "solver/HintSolver.h"
#include "solver/PatternSets.h"
#include "solver/PatternTableBuilder.h"
#include "solver/ProgressBar.h"
#include "solver/Solver.h"
#include "solver/TableSet.h"
#include "text/Utf8Path.h"

// Every answer is checked as it is timed: solutions are replayed through the game's own moves,
// hints are followed to the goal and must count down one by one, from the par on the delivered
// stages.

namespace {

using Clock = std::chrono::steady_clock;
using kelvora::Position;
using kelvora::solver::TableSize;

// Builds use two threads, as on the two-core machines the figures in the notes come from.
constexpr int kBuildThreads = 2;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessorSeconds(std::clock_t since) {
  return static_cast<double>(std::clock() - since) / CLOCKS_PER_SEC;
}

// Loads (or builds) the tables as the game and the tool do, a line for each, and tells the
// longest wait between two reports of progress while building.
bool LoadTables(kelvora::solver::TableSet& tables) {
  kelvora::solver::ProgressBar bar(std::cerr);
  auto start = Clock::now();
  std::optional<Clock::time_point> lastReport;
  double longestWait = 0;
  const std::atomic<bool> never{false};
  const bool ready = tables.Load(
      [&](const std::string& name, double done, double) {
        if (lastReport) longestWait = std::max(longestWait, SecondsSince(*lastReport));
        lastReport = Clock::now();
        bar.Show(name, done);
      },
      never,
      [&](const kelvora::solver::PatternSpace& space, const kelvora::solver::LoadedTable& loaded) {
        std::printf("table %-20s %11llu entries %10zu bytes  %s in %.1f s\n", space.Name().c_str(),
                    static_cast<unsigned long long>(space.Size()), loaded.table.Bytes().size(),
                    loaded.built ? "built" : "mapped", SecondsSince(start));
        start = Clock::now();
      });
  if (lastReport) std::printf("longest wait between progress reports: %.2f s\n", longestWait);
  return ready;
}

int Build(const std::string& folder, TableSize size) {
  const std::filesystem::path path = kelvora::PathFromUtf8(folder);
  std::error_code error;
  if (std::filesystem::exists(path, error) && !std::filesystem::is_empty(path, error)) {
    std::fprintf(stderr, "%s is not empty: the build is timed from nothing\n", folder.c_str());
    return 2;
  }
  const auto start = Clock::now();
  const std::clock_t processor = std::clock();
  kelvora::solver::TableSet tables(folder, size, kBuildThreads);
  LoadTables(tables);
  std::printf("all tables built on %d threads in %.1f s (processor %.1f s)\n", kBuildThreads,
              SecondsSince(start), ProcessorSeconds(processor));
  return 0;
}

// One table built in memory, for comparing builders: wall and processor time.
int Table(const std::string& name, int threads) {
  for (const auto& space : kelvora::solver::PatternsFor(TableSize::Full)) {
    if (space.Name() != name) continue;
    const auto start = Clock::now();
    const std::clock_t processor = std::clock();
    kelvora::solver::PatternTableBuilder builder(space, threads);
    const auto words = builder.Build();
    std::printf("table %s on %d threads: %.1f s, processor %.1f s, checksum %016llx\n",
                name.c_str(), threads, SecondsSince(start), ProcessorSeconds(processor),
                static_cast<unsigned long long>(kelvora::solver::Checksum(
                    {reinterpret_cast<const std::uint8_t*>(words.data()), words.size() * 8})));
    return 0;
  }
  std::fprintf(stderr, "no full table is named %s\n", name.c_str());
  return 2;
}

// A random stage as the game makes one, from the goal, drawn from a seeded engine.
Position StageShuffledBy(std::mt19937_64& engine) {
  return kelvora::Shuffle(Position::Goal(), kelvora::CellDrawFrom(engine));
}

// Codes of shuffled stages, one comma-separated stage a line, for timing whole processes.
int Shuffled(int count, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  for (int i = 0; i < count; ++i) {
    const auto codes = StageShuffledBy(engine).Codes();
    for (int cell = 0; cell < kelvora::kCellCount; ++cell) {
      std::printf("%s%d", cell == 0 ? "" : ",", codes[cell]);
    }
    std::printf("\n");
  }
  return 0;
}

int Stages(const std::string& folder, TableSize size, int count, std::uint64_t seed) {
  kelvora::solver::TableSet tables(folder, size);
  LoadTables(tables);
  kelvora::solver::Solver solver(tables.Tables(), kelvora::solver::Solver::kDefaultMemoryLog2, 0);
  std::mt19937_64 engine(seed);
  std::vector<double> times;
  std::map<std::size_t, int> lengths;
  std::uint64_t expanded = 0;
  for (int i = 0; i < count; ++i) {
    const auto stage = kelvora::solver::PackedPosition::From(StageShuffledBy(engine));
    const auto start = Clock::now();
    const std::string solution = solver.Solve(stage);
    times.push_back(SecondsSince(start));
    expanded += solver.Expanded();
    const auto replay = kelvora::ReplayHistory(stage.ToPosition(), solution);
    if (!replay.solved || replay.movesPlayed != static_cast<int>(solution.size())) {
      std::printf("stage %d: the answer does not replay: %s\n", i, replay.status.English().c_str());
      return 1;
    }
    ++lengths[solution.size()];
  }
  std::vector<double> sorted = times;
  std::sort(sorted.begin(), sorted.end());
  double total = 0;
  for (double t : times) total += t;
  std::printf("%d stages (seed %llu): median %.4f s, mean %.4f s, 90th %.4f s, slowest %.4f s\n",
              count, static_cast<unsigned long long>(seed), sorted[sorted.size() / 2],
              total / count, sorted[sorted.size() * 9 / 10], sorted.back());
  std::printf("expanded %.0f positions a stage on average, %.2f million a second\n",
              static_cast<double>(expanded) / count, static_cast<double>(expanded) / total / 1e6);
  std::printf("optimal lengths:");
  for (const auto& [length, stages] : lengths) std::printf(" %zu:%d", length, stages);
  std::printf("\n");
  return 0;
}

// Hint latencies, and a hint that does not count down or does not end at the goal.
class HintRun {
 public:
  using Ask = std::function<std::optional<kelvora::solver::Hint>(const Position&)>;
  explicit HintRun(const Ask& ask) : ask_(ask) {}

  std::optional<kelvora::solver::Hint> Next(const Position& position, bool first) {
    const auto start = Clock::now();
    const std::optional<kelvora::solver::Hint> hint = ask_(position);
    (first ? firsts_ : all_).push_back(SecondsSince(start));
    if (first) all_.push_back(firsts_.back());
    return hint;
  }
  void Report(const char* what) const {
    std::printf(
        "%s:\n  first hint of a stage: median %.4f s, 99th %.4f s, max %.4f s\n"
        "  all %zu hints: median %.4f s, 99th %.4f s, max %.4f s\n",
        what, Share(firsts_, 0.5), Share(firsts_, 0.99), Max(firsts_), all_.size(),
        Share(all_, 0.5), Share(all_, 0.99), Max(all_));
  }

 private:
  // The time that share of the hints took at most.
  static double Share(std::vector<double> times, double share) {
    std::sort(times.begin(), times.end());
    return times.empty()
               ? 0
               : times[static_cast<std::size_t>(share * static_cast<double>(times.size() - 1))];
  }
  static double Max(const std::vector<double>& times) {
    return times.empty() ? 0 : *std::max_element(times.begin(), times.end());
  }

  const Ask& ask_;
  std::vector<double> firsts_;
  std::vector<double> all_;
};

Position Play(const Position& position, kelvora::solver::MoveIndex move) {
  return kelvora::Apply(position, kelvora::Move::FromIndex(move)).value();
}

// Follows the hints from each delivered stage to the goal: the first must announce the par and
// each later one a move less. Prints each stage's hinted moves.
bool DeliveredStages(const HintRun::Ask& hints, const std::string& dataFolder,
                     const std::string& solutionsFile) {
  kelvora::DiskFileStore store;
  const kelvora::RecordFiles files(store, dataFolder);
  const kelvora::Result<kelvora::Records> loaded = files.Load();
  if (!loaded) return false;
  const kelvora::Records& records = *loaded;
  std::ifstream file(kelvora::PathFromUtf8(solutionsFile), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const auto solutions = kelvora::ReadSolutionList(text.str());
  if (!solutions || solutions->size() < records.prepared.size()) {
    std::printf("%s: %s\n", solutionsFile.c_str(),
                solutions ? "fewer solutions than stages" : solutions.status().English().c_str());
    return false;
  }
  HintRun run(hints);
  bool good = true;
  for (std::size_t s = 0; s < records.prepared.size(); ++s) {
    const int par = (*solutions)[s].par;
    Position position = records.prepared[s].start;
    std::string hinted;
    for (int left = par; left > 0; --left) {
      const auto hint = run.Next(position, left == par);
      if (!hint || hint->movesLeft != left) {
        std::printf("stage %zu: the hint announces %d moves where %d are left\n", s + 1,
                    hint ? hint->movesLeft : 0, left);
        good = false;
        break;
      }
      hinted += kelvora::Move::FromIndex(hint->move).Letter();
      position = Play(position, hint->move);
    }
    const bool solved = position == Position::Goal() && !run.Next(position, false);
    good = good && solved;
    std::printf("stage %2zu par %2d: %s %s\n", s + 1, par, solved ? "solved by" : "NOT SOLVED by",
                hinted.c_str());
  }
  run.Report("delivered stages");
  return good;
}

// A player on random stages who follows the hint seven times in ten, makes some other move twice
// and undoes once, asking for a hint before every move. A followed hint must count down by one.
bool RandomStages(const HintRun::Ask& hints, int count, std::uint64_t seed) {
  // The stages are those 'stages' solves with the same seed; the player draws from another engine.
  std::mt19937_64 stages(seed);
  std::mt19937_64 engine(seed + 1);
  HintRun run(hints);
  for (int stage = 0; stage < count; ++stage) {
    Position position = StageShuffledBy(stages);
    std::vector<Position> history;
    int expected = 0;
    for (int step = 0; position != Position::Goal(); ++step) {
      const auto hint = run.Next(position, step == 0);
      if (expected != 0 && hint->movesLeft != expected) {
        std::printf("random stage %d: a followed hint left %d moves, not %d\n", stage,
                    hint->movesLeft, expected);
        return false;
      }
      const std::uint64_t choice = engine() % 10;
      expected = 0;
      if (choice == 0 && !history.empty()) {
        position = history.back();
        history.pop_back();
        continue;
      }
      history.push_back(position);
      const kelvora::solver::MoveList moves =
          kelvora::solver::LegalMoves(kelvora::solver::PackedPosition::From(position).BlankCell());
      if (choice <= 2 && step < 100) {
        position = Play(position, moves.moves[engine() % moves.count]);
      } else {
        position = Play(position, hint->move);
        expected = hint->movesLeft - 1;
      }
    }
  }
  char what[80];
  std::snprintf(what, sizeof what, "%d random stages (seed %llu)", count,
                static_cast<unsigned long long>(seed));
  run.Report(what);
  return true;
}

// fromScratch: each hint a whole search by a solver that remembers nothing, as the solver gave
// them before the hint solver, for comparison.
int Hints(const std::string& folder, int count, std::uint64_t seed, bool fromScratch) {
  auto start = Clock::now();
  kelvora::solver::HintSolver hints(folder, TableSize::Full);
  // As the game does: the delivered stages' proven solutions answer on and beside them.
  if (!fromScratch) {
    for (const kelvora::DeliveredSolution& known : kelvora::DeliveredSolutions()) {
      hints.Learn(known.start, known.letters);
    }
  }
  const double made = SecondsSince(start);
  start = Clock::now();
  const bool cached = hints.TablesCached();
  std::printf("hint solver made in %.4f s; tables %s cached, told in %.4f s\n", made,
              cached ? "all" : "not all", SecondsSince(start));
  kelvora::solver::ProgressBar bar(std::cerr);
  const std::atomic<bool> never{false};
  start = Clock::now();
  hints.Prepare([&](double done) { bar.Show("all", done); }, never);
  std::printf("tables ready in %.1f s\n", SecondsSince(start));

  kelvora::solver::TableSet tables(folder, TableSize::Full);
  std::unique_ptr<kelvora::solver::Solver> solver;
  if (fromScratch) {
    tables.Load({}, never);
    solver = std::make_unique<kelvora::solver::Solver>(
        tables.Tables(), kelvora::solver::Solver::kDefaultMemoryLog2, 0);
  }
  const HintRun::Ask ask = [&](const Position& position) -> std::optional<kelvora::solver::Hint> {
    if (!solver) return hints.Next(position);
    const auto path = solver->ShortestPath(kelvora::solver::PackedPosition::From(position));
    if (path.empty()) return std::nullopt;
    return kelvora::solver::Hint{path.front(), static_cast<int>(path.size())};
  };
  std::printf("%s\n", fromScratch ? "each hint searched from scratch" : "the hint solver");
  const bool delivered = DeliveredStages(ask, KELVORA_DELIVERED_DATA, KELVORA_DELIVERED_SOLUTIONS);
  return delivered && RandomStages(ask, count, seed) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2) {
    std::fprintf(stderr,
                 "usage: solver_bench build EMPTY_FOLDER [small]\n"
                 "       solver_bench table cols34|cols12-turns|cols34-slides [THREADS]\n"
                 "       solver_bench stages FOLDER [COUNT [SEED [small]]]\n"
                 "       solver_bench hints FOLDER [COUNT [SEED [scratch]]]\n"
                 "       solver_bench shuffled COUNT SEED\n");
    return 2;
  }
  const TableSize size = std::find(args.begin(), args.end(), "small") != args.end()
                             ? TableSize::Small
                             : TableSize::Full;
  const int count = args.size() > 2 && args[2] != "small" ? std::atoi(args[2].c_str()) : 100;
  const std::uint64_t seed =
      args.size() > 3 && args[3] != "small" ? std::strtoull(args[3].c_str(), nullptr, 10) : 2024;
  if (args[0] == "build") return Build(args[1], size);
  if (args[0] == "table") return Table(args[1], args.size() > 2 ? std::atoi(args[2].c_str()) : 2);
  if (args[0] == "hints") {
    return Hints(args[1], count, seed,
                 std::find(args.begin(), args.end(), "scratch") != args.end());
  }
  if (args[0] == "shuffled" && args.size() > 2) {
    return Shuffled(std::atoi(args[1].c_str()), std::strtoull(args[2].c_str(), nullptr, 10));
  }
  return Stages(args[1], size, count, seed);
}
