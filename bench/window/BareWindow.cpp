// The baseline: an empty QMainWindow, shown and stopped at its first paint.
#include <QApplication>
#include <QMainWindow>
#include <cstdio>
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
    QCoreApplication::exit(0);
  });
  window.show();
  return app.exec();
}
