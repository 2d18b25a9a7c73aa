// The game window over real data files, shown and stopped at its first paint; with --moves N
// it then plays N moves by clicks and reports memory before and after.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "FirstPaint.h"
#include "ui/Form1.h"

namespace {

// Clicks random tiles and arrows, restarting whenever a stage is solved, until n moves are made.
void PlayMoves(kelvora::ui::Form1& form, int n) {
  std::mt19937 rng(1);
  form.StartRandomStage();
  int moves = 0;
  while (moves < n) {
    const int before = form.Game().State().moveCount;
    if (rng() % 4 == 0) {
      QTest::mouseClick(form.Label(2, static_cast<int>(rng() % 4)), Qt::LeftButton);
    } else {
      QTest::mouseClick(form.Image1(static_cast<int>(rng() % 16)), Qt::LeftButton);
    }
    QApplication::processEvents();
    if (form.Game().State().moveCount != before) ++moves;
    if (form.Game().State().gameActive == 0) form.StartRandomStage();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_game_window DATA_FOLDER [--moves N]\n");
    return 2;
  }
  QApplication app(argc, argv);
  const int moves = argc > 3 && std::strcmp(argv[2], "--moves") == 0 ? std::atoi(argv[3]) : -1;
  kelvora::ui::Form1 form(argv[1], [] { QCoreApplication::exit(0); });
  form.Form_Load();
  kelvora::bench::FirstPaint stop(form, [&] {
    if (moves >= 0) {
      const auto started = kelvora::bench::ReadMemory();
      PlayMoves(form, moves);
      const auto played = kelvora::bench::ReadMemory();
      std::printf("game window after first paint: peak %ld kB, resident %ld kB\n", started.peakKb,
                  started.currentKb);
      std::printf("game window after %d moves:     peak %ld kB, resident %ld kB\n", moves,
                  played.peakKb, played.currentKb);
    }
    QCoreApplication::exit(0);
  });
  form.show();
  return app.exec();
}
