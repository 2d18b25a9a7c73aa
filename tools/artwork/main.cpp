// Command-line entry of the artwork painter: kelvora-artwork <assets folder>.
#include <QGuiApplication>
#include <QTextStream>

#include "tools/artwork/ArtworkWriter.h"

int main(int argc, char** argv) {
  // Painting needs no screen; without this a build machine with no display would fail.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication app(argc, argv);
  QTextStream err(stderr);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    err << "usage: kelvora-artwork <assets folder>\n";
    return 2;
  }
  QString error;
  if (!kelvora::artwork::WriteArtwork(arguments.at(1), &error)) {
    err << "kelvora-artwork: " << error << '\n';
    return 1;
  }
  return 0;
}
