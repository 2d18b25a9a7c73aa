// The desktop on Linux: an X server or a Wayland compositor, named by the environment.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "ui/Desktop.h"
#include "ui/DisplayPlatform.h"

namespace kelvora::ui {

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

}  // namespace

bool CanOpenWindows(const char* program) {
  if (HasSomewhereToShowWindows(Environment)) return true;
  // The platform plugin would abort with a terse message; say it plainly.
  std::fprintf(stderr,
               "KELVORA needs a display to open its window, and there is none here.\n"
               "To run it without one, use: xvfb-run -a %s\n",
               program);
  return false;
}

void PreparePlatform() {
  if (const auto platform = PlatformToAskFor(Environment)) {
    qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(*platform));
  }
}

}  // namespace kelvora::ui
