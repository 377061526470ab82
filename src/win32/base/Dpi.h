#pragma once
#include <windows.h>

namespace vistrel::win32 {

// The density a window is drawn at: its monitor's with per-monitor awareness, the system's
// otherwise. Never 0.
int dpiForWindow(HWND window);

}  // namespace vistrel::win32
