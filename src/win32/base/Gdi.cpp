#include "base/Gdi.h"

#include "base/ArtScale.h"
#include "res/resource.h"

namespace vistrel::win32 {

RECT toRect(const PixelRect& p) { return RECT{p.left, p.top, p.right(), p.bottom()}; }

void fillRect(HDC dc, const RECT& r, COLORREF colour)
{
    UniqueBrush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.get());
}

void drawFrame(HDC dc, const RECT& r, COLORREF colour)
{
    UniquePen pen(CreatePen(PS_SOLID, 1, colour));
    SelectObjectScope penScope(dc, pen.get());
    SelectObjectScope brushScope(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
}

UniqueBitmap loadBitmapResource(int id, int artScale)
{
    // The resource script numbers the scaled copies of every picture this way (res/resource.h).
    constexpr int kIdsPerScaleStep = IDB_AT_125;
    static_assert(IDB_AT_150 == 2 * kIdsPerScaleStep && IDB_AT_200 == 4 * kIdsPerScaleStep);
    const int scaledId = id + (artScale - kMinArtScale) / kArtScaleStep * kIdsPerScaleStep;
    return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(scaledId),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE bitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) != sizeof info) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void drawBitmap(HDC dc, HBITMAP bitmap, int x, int y)
{
    const SIZE size = bitmapSize(bitmap);
    drawBitmapPart(dc, bitmap, x, y, RECT{0, 0, size.cx, size.cy});
}

void drawBitmapPart(HDC dc, HBITMAP bitmap, int x, int y, const RECT& source)
{
    if (!bitmap) return;
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return;
    SelectObjectScope select(memory.get(), bitmap);
    BitBlt(dc, x, y, source.right - source.left, source.bottom - source.top, memory.get(), source.left, source.top,
           SRCCOPY);
}

}  // namespace vistrel::win32
