// Which of Qt's platform plugins the game runs on. The window keeps a fixed place on the screen
// and opens the rules window beside itself; Wayland lets no program place its windows, so where
// an X server runs beside the Wayland desktop (XWayland) the game goes through it.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace kelvora::ui {

// The plugin to ask for, or none to leave Qt's own choice; `variable` reads the environment.
// A platform the player chose (QT_QPA_PLATFORM) is always kept.
std::optional<std::string> PlatformToAskFor(
    const std::function<std::optional<std::string>(const char*)>& variable);

// False when neither a display nor a chosen platform is there to open a window on.
bool HasSomewhereToShowWindows(
    const std::function<std::optional<std::string>(const char*)>& variable);

}  // namespace kelvora::ui
