#include "base/Dpi.h"

#include "base/Twips.h"
#include "base/UniqueHandle.h"

namespace vistrel::win32 {

int dpiForWindow(HWND window)
{
    if (window) {
        if (const UINT dpi = GetDpiForWindow(window)) return static_cast<int>(dpi);
    }
    WindowDc screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : kDefaultDpi;
}

}  // namespace vistrel::win32
