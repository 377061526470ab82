#pragma once
#include <windows.h>

#include "base/SystemLibrary.h"

namespace vistrel::win32 {

// Vertical two-colour fills, one GradientFill call per rectangle. msimg32 is loaded once per
// filler and from System32 only, so a stray copy beside the program is never picked up; where it
// cannot be loaded the rectangle gets a plain two-colour fill instead (upper half in the top colour,
// lower half in the bottom colour), which keeps the face readable.
class GradientFiller {
public:
    GradientFiller();

    // True when msimg32's GradientFill is in use.
    bool hasGradients() const { return m_gradientFill != nullptr; }

    // Fills rect (right and bottom exclusive) from `top` at its upper edge to `bottom` at its
    // lower edge. An empty rectangle draws nothing.
    void fillVertical(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) const;

private:
    static void fillPlain(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom);

    SystemLibrary m_msimg32;
    decltype(&::GradientFill) m_gradientFill;
};

}  // namespace vistrel::win32
