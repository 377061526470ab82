#include "controls/BitmapMask.h"

#include <cstddef>
#include <cstring>
#include <vector>

namespace vistrel::win32 {
namespace {

// 32-bit top-down copy of the bitmap's pixels, one DWORD per pixel (0x00RRGGBB).
std::vector<DWORD> readPixels(HBITMAP bitmap, SIZE size)
{
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    WindowDc screen(nullptr);
    if (!screen || GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(size.cy), pixels.data(), &info,
                             DIB_RGB_COLORS) != size.cy)
        pixels.clear();
    return pixels;
}

// One rectangle per horizontal run of opaque pixels; the region maker joins them.
UniqueRegion regionFromRuns(const std::vector<RECT>& runs, SIZE size)
{
    if (runs.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
    std::vector<std::byte> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.rcBound = RECT{0, 0, size.cx, size.cy};
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, runs.data(), runs.size() * sizeof(RECT));
    return UniqueRegion(
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

}  // namespace

BitmapMask::BitmapMask(HBITMAP bitmap, COLORREF transparent)
{
    const SIZE size = bitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0) return;
    const std::vector<DWORD> pixels = readPixels(bitmap, size);
    if (pixels.empty()) return;

    // DIB pixels are blue in the low byte; COLORREF has red there.
    const DWORD key = (DWORD{GetRValue(transparent)} << 16) | (DWORD{GetGValue(transparent)} << 8) |
                      DWORD{GetBValue(transparent)};
    std::vector<RECT> runs;
    for (LONG y = 0; y < size.cy; ++y) {
        const DWORD* row = pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(size.cx);
        LONG x = 0;
        while (x < size.cx) {
            while (x < size.cx && (row[x] & 0xFFFFFF) == key) ++x;
            const LONG start = x;
            while (x < size.cx && (row[x] & 0xFFFFFF) != key) ++x;
            if (x > start) runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    m_region = regionFromRuns(runs, size);
}

UniqueRegion BitmapMask::copy() const
{
    if (!m_region) return {};
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (region && CombineRgn(region.get(), m_region.get(), nullptr, RGN_COPY) == ERROR) region.reset();
    return region;
}

bool BitmapMask::contains(int x, int y) const { return m_region && PtInRegion(m_region.get(), x, y); }

}  // namespace vistrel::win32
