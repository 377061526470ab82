#pragma once
#include <windows.h>

namespace vistrel::win32 {

// In the middle of the work area of the monitor the user is at (the tray's, after a click on it); its
// top left corner inside it when it is larger.
void centreAtCursor(HWND window);

}  // namespace vistrel::win32
