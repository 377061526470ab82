#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// One WM_PAINT drawn off screen, like paintBuffered, but only over the invalid rectangle: a
// full-screen window that changes a small panel once a second builds and copies that panel alone.
// The caller paints in client coordinates into dc().
class DirtyRectPaint {
public:
    explicit DirtyRectPaint(HWND window);
    ~DirtyRectPaint();
    DirtyRectPaint(const DirtyRectPaint&) = delete;
    DirtyRectPaint& operator=(const DirtyRectPaint&) = delete;

    // Null when the window had nothing to paint.
    HDC dc() const { return m_target; }
    const RECT& area() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_target = nullptr;
    UniqueMemoryDc m_memory;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};

}  // namespace vistrel::win32
