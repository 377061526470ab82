#pragma once
#include <windows.h>

#include "base/UniqueHandle.h"

namespace vistrel::win32 {

// Loads one of the program's bitmap resources as a DIB section, pixels untouched. Null when the
// resource is missing (for instance in a test program that links no resources).
UniqueBitmap loadBitmapResource(int id);

// Width and height of a bitmap; zero for a null or invalid one.
SIZE bitmapSize(HBITMAP bitmap);

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
