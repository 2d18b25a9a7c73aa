// Timings of the solver: table builds and stages shuffled the way the game shuffles them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/HistoryReplay.h"
#include "solver/Checksum.h"
#include "solver/GameShuffle.h"
#include "solver/PatternSets.h"
#include "solver/PatternTableBuilder.h"
#include "solver/ProgressBar.h"
#include "solver/Solver.h"
#include "solver/TableCache.h"

// Times the solver: building the full tables from nothing, and solving stages shuffled the way the
// game shuffles them. Every answer is replayed through the game's own moves.

namespace {

using Clock = std::chrono::steady_clock;
using kelvora::solver::TableSize;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

std::vector<kelvora::solver::PatternTable> LoadTables(const std::string& folder, TableSize size,
                                                      bool report) {
  kelvora::solver::ProgressBar bar(std::cerr);
  const kelvora::solver::TableCache cache(
      folder, 0, [&](const std::string& name, double done) { bar.Show(name, done); });
  std::vector<kelvora::solver::PatternTable> tables;
  for (const auto& space : kelvora::solver::PatternsFor(size)) {
    const auto start = Clock::now();
    auto loaded = cache.Load(space);
    if (report) {
      std::printf("table %-20s %11llu entries %10zu bytes  %s in %.1f s\n", space.Name().c_str(),
                  static_cast<unsigned long long>(space.Size()), loaded.table.Bytes().size(),
                  loaded.built ? "built" : "loaded", SecondsSince(start));
    }
    tables.push_back(std::move(loaded.table));
  }
  return tables;
}

int Build(const std::string& folder, TableSize size) {
  const auto start = Clock::now();
  LoadTables(folder, size, true);
  std::printf("all tables ready in %.1f s\n", SecondsSince(start));
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
                name.c_str(), threads, SecondsSince(start),
                static_cast<double>(std::clock() - processor) / CLOCKS_PER_SEC,
                static_cast<unsigned long long>(kelvora::solver::Checksum(
                    {reinterpret_cast<const std::uint8_t*>(words.data()), words.size() * 8})));
    return 0;
  }
  std::fprintf(stderr, "no full table is named %s\n", name.c_str());
  return 2;
}

// Codes of shuffled stages, one comma-separated stage a line, for timing whole processes.
int Shuffled(int count, std::uint64_t seed) {
  std::mt19937_64 engine(seed);
  for (int i = 0; i < count; ++i) {
    const auto codes = kelvora::solver::ShuffleLikeTheGame(engine).ToPosition().Codes();
    for (int cell = 0; cell < kelvora::kCellCount; ++cell) {
      std::printf("%s%d", cell == 0 ? "" : ",", codes[cell]);
    }
    std::printf("\n");
  }
  return 0;
}

int Stages(const std::string& folder, TableSize size, int count, std::uint64_t seed) {
  auto tables = LoadTables(folder, size, true);
  std::vector<const kelvora::solver::PatternTable*> pointers;
  for (const auto& table : tables) pointers.push_back(&table);
  kelvora::solver::Solver solver(pointers);
  std::mt19937_64 engine(seed);
  std::vector<double> times;
  std::map<std::size_t, int> lengths;
  std::uint64_t expanded = 0;
  for (int i = 0; i < count; ++i) {
    const auto stage = kelvora::solver::ShuffleLikeTheGame(engine);
    const auto start = Clock::now();
    const std::string solution = solver.Solve(stage);
    times.push_back(SecondsSince(start));
    expanded += solver.Expanded();
    const auto replay = kelvora::ReplayHistory(stage.ToPosition(), solution);
    if (!replay.solved || replay.movesPlayed != static_cast<int>(solution.size())) {
      std::printf("stage %d: the answer does not replay: %s\n", i, replay.problem.c_str());
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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() < 2) {
    std::fprintf(stderr,
                 "usage: solver_bench build FOLDER [small]\n"
                 "       solver_bench stages FOLDER [COUNT [SEED [small]]]\n"
                 "       solver_bench shuffled COUNT SEED\n");
    return 2;
  }
  const TableSize size = std::find(args.begin(), args.end(), "small") != args.end()
                             ? TableSize::Small
                             : TableSize::Full;
  if (args[0] == "build") return Build(args[1], size);
  if (args[0] == "table") return Table(args[1], args.size() > 2 ? std::atoi(args[2].c_str()) : 2);
  if (args[0] == "shuffled" && args.size() > 2) {
    return Shuffled(std::atoi(args[1].c_str()), std::strtoull(args[2].c_str(), nullptr, 10));
  }
  const int count = args.size() > 2 && args[2] != "small" ? std::atoi(args[2].c_str()) : 100;
  const std::uint64_t seed =
      args.size() > 3 && args[3] != "small" ? std::strtoull(args[3].c_str(), nullptr, 10) : 2024;
  return Stages(args[1], size, count, seed);
}
