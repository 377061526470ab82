#include "base/BufferedPaint.h"

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

void paintBuffered(HWND window, const std::function<void(HDC, const RECT&)>& draw)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (!dc) return;
    RECT client;
    GetClientRect(window, &client);
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueBitmap surface(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (memory && surface) {
        SelectObjectScope select(memory.get(), surface.get());
        draw(memory.get(), client);
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    } else {
        draw(dc, client);  // out of GDI memory: flicker rather than a blank window
    }
    EndPaint(window, &ps);
}

}  // namespace vistrel::win32
