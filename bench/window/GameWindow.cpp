// The game window over real data files, shown and stopped at its first paint; with --moves N
// it then plays N moves by clicks and reports memory before and after.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMouseEvent>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "FirstPaint.h"
#include "WiredGame.h"
#include "ui/GameStyle.h"

namespace {

// A left click in the middle of a widget, as the window system would deliver it. (Not through
// QTest: linking it would load one more library at start-up than the game does.)
void Click(QWidget* widget) {
  const QPointF centre = QRectF(widget->rect()).center();
  const QPointF global = widget->mapToGlobal(centre);
  QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &release);
}

// Clicks random tiles and arrows, restarting whenever a stage is solved, until n moves are made.
void PlayMoves(kelvora::ui::Form1& form, const kelvora::Kelvora& game, int n) {
  std::mt19937 rng(1);
  form.StartRandomStage();
  int moves = 0;
  while (moves < n) {
    const int before = game.View().moveCount;
    if (rng() % 4 == 0) {
      Click(form.Label(2, static_cast<int>(rng() % 4)));
    } else {
      Click(form.Image1(static_cast<int>(rng() % 16)));
    }
    QApplication::processEvents();
    if (game.View().moveCount != before) ++moves;
    if (!game.View().takesMoves) form.StartRandomStage();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_game_window DATA_FOLDER [--moves N]\n");
    return 2;
  }
  // KELVORA_BENCH_PHASES=1 prints where the start-up went: application, font database, window,
  // data files, first paint.
  const bool phases = std::getenv("KELVORA_BENCH_PHASES") != nullptr;
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  kelvora::ui::InstallGameStyle();  // as the game's main does
  const qint64 appDone = clock.nsecsElapsed();
  if (phases) QFontDatabase::families();
  const qint64 fontsDone = clock.nsecsElapsed();
  const int moves = argc > 3 && std::strcmp(argv[2], "--moves") == 0 ? std::atoi(argv[3]) : -1;
  kelvora::bench::WiredGame wired(argv[1], [] { QCoreApplication::exit(0); });
  kelvora::ui::Form1& form = wired.form;
  const qint64 windowDone = clock.nsecsElapsed();
  if (!wired.game.Start()) return 1;
  const qint64 loadDone = clock.nsecsElapsed();
  kelvora::bench::FirstPaint stop(form, [&] {
    if (phases) {
      const qint64 paintDone = clock.nsecsElapsed();
      std::printf(
          "application %.1f ms, font database %.1f ms, window %.1f ms, data files %.1f ms, "
          "first paint %.1f ms\n",
          double(appDone) / 1e6, double(fontsDone - appDone) / 1e6,
          double(windowDone - fontsDone) / 1e6, double(loadDone - windowDone) / 1e6,
          double(paintDone - loadDone) / 1e6);
    }
    if (moves >= 0) {
      // The first thousand moves fill the caches (glyphs of every count, every picture); what
      // the game holds must not grow after that.
      const auto started = kelvora::bench::ReadMemory();
      PlayMoves(form, wired.game, 1000);
      const auto warm = kelvora::bench::ReadMemory();
      PlayMoves(form, wired.game, moves);
      const auto played = kelvora::bench::ReadMemory();
      std::printf("game window after first paint:        peak %6ld kB, resident %6ld kB\n",
                  started.peakKb, started.currentKb);
      std::printf("game window after 1000 moves:         peak %6ld kB, resident %6ld kB\n",
                  warm.peakKb, warm.currentKb);
      std::printf("game window after %d more moves:  peak %6ld kB, resident %6ld kB\n", moves,
                  played.peakKb, played.currentKb);
    }
    // Stop here: what follows the first paint, tearing the window down, is not start-up.
    std::fflush(stdout);
    std::_Exit(0);
  });
  form.show();
  return app.exec();
}
