// Times what a player waits for: a click on a tile or an arrow until its repaint is done, on the
// real window without a display; and the shuffle, a completion with its save, and the load of
// full 50-entry tables.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "WiredGame.h"
#include "core/Rules.h"
#include "core/Tiles.h"

namespace {

namespace fs = std::filesystem;

// Counts paints of the tile boxes, to show that every timed click really repainted.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};
using Clock = std::chrono::steady_clock;

double Micros(Clock::duration d) {
  return std::chrono::duration<double, std::micro>(d).count();
}

void Report(const char* what, std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) {
    return samples[static_cast<std::size_t>(q * static_cast<double>(samples.size() - 1))];
  };
  std::printf("%-34s n=%-6zu median %8.1f us   p99 %8.1f us   max %8.1f us\n", what, samples.size(),
              at(0.5), at(0.99), samples.back());
}

// A tile next to the blank, above or below it: a click on it slides and repaints.
int SlidingTile(const kelvora::Position& board, std::mt19937& rng) {
  std::vector<int> tiles;
  for (int i = 0; i < kelvora::kCellCount; ++i) {
    if (kelvora::Apply(board, kelvora::Move::TileClick(i))) tiles.push_back(i);
  }
  return tiles.empty() ? -1 : tiles[rng() % tiles.size()];
}

// A stage one slide from the goal, whose solve is kept and saved as a prepared best is.
class OneSlideStage final : public kelvora::GameMode {
 public:
  kelvora::MoveOutcome Begin(kelvora::GameContext& game) override {
    kelvora::Position start = kelvora::Position::Goal();
    start.Swap({4, 1}, {4, 2});
    return game.puzzle.ShowStage(start);
  }
  void StageSolved(kelvora::GameContext& game, const kelvora::Solve& solve) override {
    game.records.prepared.at(0).bestMoves = solve.moves;
    game.records.prepared.at(0).bestHistory = solve.history;
    game.ReportSaveFailures(game.files.SavePreparedBests(game.records));
  }
};

void CopyData(const fs::path& from, const fs::path& to) {
  fs::remove_all(to);
  fs::create_directories(to);
  for (const char* name : {"MENDATA1.txt", "MENDATA2.txt", "BEST1.txt", "BEST2.txt"}) {
    fs::copy_file(from / name, to / name);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_clicks DATA_FOLDER [CLICKS]\n");
    return 2;
  }
  QApplication app(argc, argv);
  const int clicks = argc > 2 ? std::atoi(argv[2]) : 5000;
  const fs::path work = fs::temp_directory_path() / ("kelvora-bench-" + std::to_string(getpid()));
  CopyData(argv[1], work);

  kelvora::bench::WiredGame wired(work.string(), [] {});
  kelvora::ui::Form1& form = wired.form;
  if (!wired.game.Start()) return 1;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;
  form.StartRandomStage();
  QApplication::processEvents();

  PaintCounter counter;
  for (int i = 0; i < 16; ++i) form.Image1(i)->installEventFilter(&counter);
  std::mt19937 rng(3);
  std::vector<double> tileClicks;
  std::vector<double> arrowClicks;
  while (static_cast<int>(tileClicks.size() + arrowClicks.size()) < clicks) {
    const kelvora::GameView view = wired.game.View();
    if (!view.takesMoves) {
      form.StartRandomStage();
      QApplication::processEvents();
    }
    const bool arrow = rng() % 2 == 0;
    QWidget* target = nullptr;
    if (arrow) {
      target = form.Label(2, static_cast<int>(rng() % 4));
    } else {
      const int tile = SlidingTile(view.board, rng);
      if (tile < 0) continue;
      target = form.Image1(tile);
    }
    const auto start = Clock::now();
    QTest::mouseClick(target, Qt::LeftButton);
    QApplication::processEvents();
    (arrow ? arrowClicks : tileClicks).push_back(Micros(Clock::now() - start));
  }
  std::vector<double> both = tileClicks;
  both.insert(both.end(), arrowClicks.begin(), arrowClicks.end());
  Report("click on a tile to repainted", tileClicks);
  Report("click on an arrow to repainted", arrowClicks);
  Report("any click to repainted", both);
  std::printf("tile boxes painted per click: %.2f (a slide repaints 2, a turn 4)\n",
              double(counter.paints) / double(both.size()));

  // The shuffle of a random stage, its drawing included.
  std::vector<double> shuffles;
  for (int i = 0; i < 500; ++i) {
    const auto start = Clock::now();
    form.StartRandomStage();
    QApplication::processEvents();
    shuffles.push_back(Micros(Clock::now() - start));
  }
  Report("random stage start (shuffle+draw)", shuffles);

  // A completion with its save: a stage one slide from the goal, solved by one click, its
  // best rewritten on the real disk each time.
  std::vector<double> completions;
  OneSlideStage oneSlide;
  for (int i = 0; i < 200; ++i) {
    wired.game.Begin(oneSlide);
    QApplication::processEvents();
    const auto start = Clock::now();
    QTest::mouseClick(form.Image1(12), Qt::LeftButton);
    QApplication::processEvents();
    completions.push_back(Micros(Clock::now() - start));
  }
  Report("completion with its save", completions);

  // The load of full tables: 50 prepared stages with long bests, 50 archived random stages.
  {
    kelvora::DiskFileStore store;
    kelvora::RecordFiles files(store, work.string());
    kelvora::Records full;
    full.randomBest = 40;
    for (int s = 0; s < kelvora::kMostStagesInAFile; ++s) {
      full.prepared.push_back({kelvora::Position::Goal(), 60, std::string(60, 'Q')});
      full.archive.push_back({kelvora::Position::Goal(), 1000, std::string(1000, 'R')});
    }
    std::ofstream(work / "MENDATA1.txt", std::ios::binary)
        << kelvora::RecordFiles::RandomStagesText(full);
    if (!files.SavePreparedBests(full).empty() || !files.SaveRandomArchive(full).empty()) return 1;
    std::vector<double> loads;
    for (int i = 0; i < 500; ++i) {
      const auto start = Clock::now();
      const kelvora::Result<kelvora::Records> loaded = files.Load();
      loads.push_back(Micros(Clock::now() - start));
      if (!loaded || loaded->prepared.size() != full.prepared.size()) return 1;
    }
    Report("load of full 50-entry tables", loads);
  }
  fs::remove_all(work);
  return 0;
}
