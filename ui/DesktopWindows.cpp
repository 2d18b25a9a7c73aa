// The desktop on Windows: always there. Under wine, which passes no variable whose name begins
// with QT_ on to a program, the tests hand Qt its settings as WINEQT_...; they are taken back here.
#include <QProcessEnvironment>

#include "ui/Desktop.h"

namespace kelvora::ui {

bool CanOpenWindows(const char*) {
  return true;
}

void PreparePlatform() {
  const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  const QString prefix = QStringLiteral("WINE");
  for (const QString& name : environment.keys()) {
    if (!name.startsWith(prefix + QStringLiteral("QT_"))) continue;
    const QString qtName = name.mid(prefix.size());
    if (!qEnvironmentVariableIsSet(qtName.toLocal8Bit().constData())) {
      qputenv(qtName.toLocal8Bit().constData(), environment.value(name).toLocal8Bit());
    }
  }
}

}  // namespace kelvora::ui
