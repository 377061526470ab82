#include "base/WindowPlacement.h"

#include <algorithm>

namespace vistrel::win32 {

void centreAtCursor(HWND window)
{
    POINT cursor{};
    GetCursorPos(&cursor);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT r{};
    if (!GetMonitorInfoW(MonitorFromPoint(cursor, MONITOR_DEFAULTTOPRIMARY), &monitor) || !GetWindowRect(window, &r))
        return;
    const RECT& area = monitor.rcWork;
    const int x = std::max(area.left, (area.left + area.right - (r.right - r.left)) / 2);
    const int y = std::max(area.top, (area.top + area.bottom - (r.bottom - r.top)) / 2);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vistrel::win32
