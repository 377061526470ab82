#include "reminder/CornerWindow.h"

#include "base/BufferedPaint.h"
#include "base/Trace.h"

namespace vistrel::win32 {

int CornerWindow::workAreaBottom()
{
    RECT workArea{};
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0)) return workArea.bottom;
    traceLastError(L"SystemParametersInfoW(SPI_GETWORKAREA)");
    return GetSystemMetrics(SM_CYSCREEN);
}

LRESULT CornerWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paintBuffered(hwnd(), [this](HDC dc, const RECT& client) { paint(dc, client); });
        return 0;
    case WM_DPICHANGED:
        // The primary monitor's density changed: the same corner, at the new size.
        placeAt(LOWORD(wParam));
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return ReminderWindow::onMessage(message, wParam, lParam);
    }
}

}  // namespace vistrel::win32
