// The baseline: an empty QMainWindow, shown and stopped at its first paint.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "FirstPaint.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.resize(1016, 734);
  kelvora::bench::FirstPaint stop(window, [&] {
    if (argc > 1 && std::strcmp(argv[1], "--memory") == 0) {
      const auto memory = kelvora::bench::ReadMemory();
      std::printf("bare window after first paint:        peak %6ld kB, resident %6ld kB\n",
                  memory.peakKb, memory.currentKb);
    }
    // Stop here: what follows the first paint, tearing the window down, is not start-up.
    std::fflush(stdout);
    std::_Exit(0);
  });
  window.show();
  return app.exec();
}
