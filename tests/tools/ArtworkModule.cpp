// The artwork painter as a module to load at run time, after the host has set the processor up.
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "tools/artwork/ArtworkWriter.h"

// Qt Gui picks its pixel routines for the processor when it is loaded; a painter linked into the
// host would have chosen them before the host could say anything.
extern "C" __attribute__((visibility("default"))) int KelvoraPaintArtwork(const char* folder) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "artwork";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  QString error;
  if (!kelvora::artwork::WriteArtwork(QString::fromLocal8Bit(folder), &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
