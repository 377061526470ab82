#include "base/Dpi.h"

#include "base/SystemLibrary.h"
#include "base/Twips.h"
#include "base/UniqueHandle.h"

namespace vistrel::win32 {

int dpiForWindow(HWND window)
{
    // GetDpiForWindow came with Windows 10 1607. Before it the manifest's PerMonitorV2 is not
    // understood and the process is system-aware, so the system density is every window's.
    const SystemLibrary user32(L"user32.dll");
    const auto getDpiForWindow = user32.function<decltype(&::GetDpiForWindow)>("GetDpiForWindow");
    if (window && getDpiForWindow) {
        if (const UINT dpi = getDpiForWindow(window)) return static_cast<int>(dpi);
    }
    WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace vistrel::win32
