#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "base/UniqueHandle.h"
#include "controls/BitmapMask.h"

namespace vistrel::win32 {
namespace {

// A bitmap from rows of colours, pixels stored as the resource loader would give them.
UniqueBitmap makeBitmap(const std::vector<std::vector<COLORREF>>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = rows[y][x];
            pixels[y * width + x] = (DWORD{GetRValue(c)} << 16) | (DWORD{GetGValue(c)} << 8) | GetBValue(c);
        }
    return bitmap;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

TEST(BitmapMask, KeyColouredPixelsAreLeftOut)
{
    const UniqueBitmap bitmap = makeBitmap({{kRed, kBlack, kBlack, kRed},
                                            {kBlack, RGB(254, 0, 0), kBlack, kBlack},
                                            {kRed, kBlack, kRed, kRed}});
    const BitmapMask mask(bitmap.get(), kRed);
    ASSERT_FALSE(mask.empty());
    EXPECT_FALSE(mask.contains(0, 0));
    EXPECT_TRUE(mask.contains(1, 0));
    EXPECT_FALSE(mask.contains(3, 0));
    EXPECT_TRUE(mask.contains(1, 1));  // near red is still opaque
    EXPECT_FALSE(mask.contains(2, 2));
    EXPECT_TRUE(mask.contains(1, 2));
    EXPECT_FALSE(mask.contains(4, 1));  // beyond the bitmap

    // Copies are independent regions the caller owns.
    UniqueRegion copy = mask.copy();
    ASSERT_TRUE(copy);
    EXPECT_TRUE(PtInRegion(copy.get(), 3, 1));
    copy.reset();
    EXPECT_TRUE(mask.contains(3, 1));
}

TEST(BitmapMask, AllKeyGivesAnEmptyShapeAndNoBitmapNoShape)
{
    const UniqueBitmap red = makeBitmap({{kRed, kRed}, {kRed, kRed}});
    const BitmapMask allClear(red.get(), kRed);
    EXPECT_FALSE(allClear.empty());
    EXPECT_FALSE(allClear.contains(0, 0));
    EXPECT_FALSE(allClear.contains(1, 1));

    const BitmapMask none(nullptr, kRed);
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.copy());
    EXPECT_EQ(bitmapSize(nullptr).cx, 0);
}

}  // namespace
}  // namespace vistrel::win32
