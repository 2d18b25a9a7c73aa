// Reading the display variables of the environment.
#include "ui/DisplayPlatform.h"

namespace kelvora::ui {

namespace {

bool Set(const std::function<std::optional<std::string>(const char*)>& variable, const char* name) {
  const std::optional<std::string> value = variable(name);
  return value && !value->empty();
}

}  // namespace

std::optional<std::string> PlatformToAskFor(
    const std::function<std::optional<std::string>(const char*)>& variable) {
  if (Set(variable, "QT_QPA_PLATFORM")) return std::nullopt;
  if (Set(variable, "WAYLAND_DISPLAY") && Set(variable, "DISPLAY")) return "xcb";
  return std::nullopt;
}

bool HasSomewhereToShowWindows(
    const std::function<std::optional<std::string>(const char*)>& variable) {
  return Set(variable, "QT_QPA_PLATFORM") || Set(variable, "DISPLAY") ||
         Set(variable, "WAYLAND_DISPLAY");
}

}  // namespace kelvora::ui
