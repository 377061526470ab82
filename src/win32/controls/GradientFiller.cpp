#include "controls/GradientFiller.h"

#include "base/UniqueHandle.h"

namespace vistrel::win32 {
namespace {

// A channel byte widened to the 16 bits a gradient vertex holds.
COLOR16 channel16(BYTE channel)
{
    return static_cast<COLOR16>(channel << 8);
}

TRIVERTEX vertex(LONG x, LONG y, COLORREF color)
{
    TRIVERTEX v{};
    v.x = x;
    v.y = y;
    v.Red = channel16(GetRValue(color));
    v.Green = channel16(GetGValue(color));
    v.Blue = channel16(GetBValue(color));
    v.Alpha = 0;
    return v;
}

}  // namespace

GradientFiller::GradientFiller()
    : m_msimg32(L"msimg32.dll"), m_gradientFill(m_msimg32.function<decltype(&::GradientFill)>("GradientFill"))
{
}

void GradientFiller::fillVertical(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) const
{
    if (!dc || rect.right <= rect.left || rect.bottom <= rect.top) return;
    if (m_gradientFill) {
        TRIVERTEX vertices[2] = {vertex(rect.left, rect.top, top), vertex(rect.right, rect.bottom, bottom)};
        GRADIENT_RECT mesh{0, 1};
        if (m_gradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V)) return;
    }
    fillPlain(dc, rect, top, bottom);
}

void GradientFiller::fillPlain(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom)
{
    const LONG middle = rect.top + (rect.bottom - rect.top) / 2;
    const RECT upper{rect.left, rect.top, rect.right, middle};
    const RECT lower{rect.left, middle, rect.right, rect.bottom};
    UniqueBrush topBrush(CreateSolidBrush(top));
    UniqueBrush bottomBrush(CreateSolidBrush(bottom));
    if (topBrush) FillRect(dc, &upper, topBrush.get());
    if (bottomBrush) FillRect(dc, &lower, bottomBrush.get());
}

}  // namespace vistrel::win32
