// The desktop the window opens on: an X server or a Wayland compositor named by the environment,
// or a desktop that is always there (Windows, and wine). Which one the platform says.
#include "ui/Desktop.h"

#include <QByteArray>
#include <QObject>
#include <QProcessEnvironment>
#include <QRect>
#include <QScreen>
#include <QSize>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/System.h"
#include "ui/DisplayPlatform.h"

namespace kelvora::ui {

namespace {

std::optional<std::string> Environment(const char* name) {
  return platform::System::Default().Environment(name);
}

bool DisplayComesFromEnvironment() {
  return platform::System::Default().DisplayComesFromEnvironment();
}

// Wine passes no variable whose name begins with QT_ on to a program, so the tests hand Qt its
// settings as WINEQT_...; they are taken back here.
void TakeBackWineQtVariables() {
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

}  // namespace

bool CanOpenWindows(const char* program) {
  if (!DisplayComesFromEnvironment() || HasSomewhereToShowWindows(Environment)) return true;
  // The platform plugin would abort with a terse message; say it plainly.
  std::fprintf(stderr,
               "KELVORA needs a display to open its window, and there is none here.\n"
               "To run it without one, use: xvfb-run -a %s\n",
               program);
  return false;
}

void PreparePlatform() {
  if (!DisplayComesFromEnvironment()) {
    TakeBackWineQtVariables();
  } else if (const auto platform = PlatformToAskFor(Environment)) {
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
  }
}

void CentreInPage(QWidget& window) {
  platform::System& system = platform::System::Default();
  if (!system.WindowsPage()) return;
  // Qt shows a page's windows full screen; this one has a size of its own, and a frame as on a
  // desktop.
  window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  window.showNormal();
  QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const auto centre = [&window, screen] {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(std::max(frame.left(), 0), std::max(frame.top(), 0));
  };
  centre();
  // The page's size changes with the browser's window, and with the scale that fits the window
  // into it.
  QObject::connect(screen, &QScreen::availableGeometryChanged, &window, centre);
  const QSize frame = window.frameGeometry().size();
  system.FitPageTo({frame.width(), frame.height()});
}

}  // namespace kelvora::ui
