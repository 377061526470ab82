#pragma once
#include <windows.h>

#include <functional>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// One WM_PAINT drawn off screen over the invalid rectangle only, then copied to the window in one
// go: texts and pictures never flicker over their background, and a full-screen window that
// changes a small panel once a second builds and copies that panel alone. The caller paints in
// client coordinates into dc(); what falls outside the invalid rectangle is clipped away.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    // Null when the window had nothing to paint.
    HDC dc() const { return m_target; }
    const RECT& area() const { return m_paint.area(); }

private:
    PaintScope m_paint;
    HDC m_target = nullptr;
    UniqueMemoryDc m_memory;
    UniqueBitmap m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};

// Handles WM_PAINT by drawing the whole client area through a BufferedPaint.
void paintBuffered(HWND window, const std::function<void(HDC, const RECT& client)>& draw);

}  // namespace vistrel::win32
