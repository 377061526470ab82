#include "reminder/DirtyRectPaint.h"

namespace vistrel::win32 {

DirtyRectPaint::DirtyRectPaint(HWND window) : m_window(window)
{
    HDC screen = BeginPaint(window, &m_paint);
    if (!screen) return;
    m_target = screen;
    const RECT& r = m_paint.rcPaint;
    if (r.right <= r.left || r.bottom <= r.top) return;
    m_memory.reset(CreateCompatibleDC(screen));
    m_bitmap.reset(CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top));
    if (!m_memory || !m_bitmap) return;  // straight to the window, then
    m_oldBitmap = SelectObject(m_memory.get(), m_bitmap.get());
    // Client coordinates land in the bitmap, whose top-left is the invalid rectangle's.
    SetViewportOrgEx(m_memory.get(), -r.left, -r.top, nullptr);
    m_target = m_memory.get();
}

DirtyRectPaint::~DirtyRectPaint()
{
    if (m_oldBitmap) {
        const RECT& r = m_paint.rcPaint;
        BitBlt(m_paint.hdc, r.left, r.top, r.right - r.left, r.bottom - r.top, m_memory.get(), r.left, r.top,
               SRCCOPY);
        SelectObject(m_memory.get(), m_oldBitmap);
    }
    if (m_paint.hdc) EndPaint(m_window, &m_paint);
}

}  // namespace vistrel::win32
