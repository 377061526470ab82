#pragma once
#include <windows.h>

#include "base/Gdi.h"

namespace vistrel::win32 {

// The shape of a bitmap: every pixel whose colour is not the key colour. Built once from the
// pixels and then handed out as copies, because SetWindowRgn takes ownership of what it is given.
class BitmapMask {
public:
    BitmapMask() = default;
    // An empty mask when the bitmap cannot be read.
    BitmapMask(HBITMAP bitmap, COLORREF transparent);

    bool empty() const { return !m_region; }
    // A fresh region the caller owns; null when empty.
    UniqueRegion copy() const;
    bool contains(int x, int y) const;

private:
    UniqueRegion m_region;
};

}  // namespace vistrel::win32
