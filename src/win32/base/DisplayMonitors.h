#pragma once
#include <vector>

#include "reminder/CountdownScreenLayout.h"

namespace vistrel::win32 {

// Every display monitor of the desktop, whole (taskbar included), each with the density a window
// on it lays itself out at: shcore's effective DPI where the system tells it, else fallbackDpi.
// Never empty: when the monitors cannot be listed, the primary screen stands alone.
std::vector<MonitorArea> displayMonitors(int fallbackDpi);

}  // namespace vistrel::win32
