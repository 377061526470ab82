#include "base/BufferedPaint.h"

namespace vistrel::win32 {

BufferedPaint::BufferedPaint(HWND window) : m_paint(window)
{
    HDC screen = m_paint.dc();
    if (!screen) return;
    m_target = screen;
    const RECT& r = m_paint.area();
    if (r.right <= r.left || r.bottom <= r.top) return;
    m_memory.reset(CreateCompatibleDC(screen));
    m_bitmap.reset(CreateCompatibleBitmap(screen, r.right - r.left, r.bottom - r.top));
    if (!m_memory || !m_bitmap) return;  // out of GDI memory: flicker rather than a blank window
    m_oldBitmap = SelectObject(m_memory.get(), m_bitmap.get());
    // Client coordinates land in the bitmap, whose top-left is the invalid rectangle's.
    SetViewportOrgEx(m_memory.get(), -r.left, -r.top, nullptr);
    m_target = m_memory.get();
}

BufferedPaint::~BufferedPaint()
{
    if (!m_oldBitmap) return;
    const RECT& r = m_paint.area();
    BitBlt(m_paint.dc(), r.left, r.top, r.right - r.left, r.bottom - r.top, m_memory.get(), r.left, r.top, SRCCOPY);
    SelectObject(m_memory.get(), m_oldBitmap);
}

void paintBuffered(HWND window, const std::function<void(HDC, const RECT&)>& draw)
{
    BufferedPaint painting(window);
    if (!painting.dc()) return;
    RECT client{};
    GetClientRect(window, &client);
    draw(painting.dc(), client);
}

}  // namespace vistrel::win32
