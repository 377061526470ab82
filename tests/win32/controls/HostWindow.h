#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::testing {

// A plain top-level window to host the controls; tests skip where no window can be made.
class HostWindow {
public:
    HostWindow()
        : m_window(CreateWindowExW(0, L"STATIC", L"host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 300, 200, nullptr,
                                   nullptr, GetModuleHandleW(nullptr), nullptr))
    {
    }
    HWND get() const { return m_window.get(); }

private:
    win32::UniqueWindow m_window;
};

inline SIZE windowSize(HWND window)
{
    RECT r{};
    GetWindowRect(window, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace vistrel::testing
