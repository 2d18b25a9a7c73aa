// What the program settles with the desktop before its first window, from what the platform says
// of the system's desktop.
#pragma once

class QWidget;

namespace kelvora::ui {

// False, having said why on standard error, when there is no display to open a window on.
bool CanOpenWindows(const char* program);

// Tells Qt, before the application object exists, what it should know from the environment:
// on Linux to go through the X server beside a Wayland desktop; on Windows the Qt variables
// that wine passes on under other names.
void PreparePlatform();

// Where the window lives in a page rather than on a desktop (a browser), which shows every
// window full screen: shows it in its own size, with its frame, centred, and the page scaled
// down when the window would not fit in it. It stays centred when the page changes size.
void CentreInPage(QWidget& window);

}  // namespace kelvora::ui
