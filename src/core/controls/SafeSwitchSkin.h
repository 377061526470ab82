#pragma once
#include "base/ArtScale.h"

namespace vistrel {

// The three fixed looks of the toggle switch. Each skin is a strip of eight cells stacked without
// gaps (cell n covers rows n * cellHeight .. (n + 1) * cellHeight - 1) and two shape masks of cell
// size, one for each value; the control is always exactly one cell large.
struct SafeSwitchSkin {
    static constexpr int kCellCount = 8;
    static constexpr int kTwipsPerPixel = 15;  // the layout unit the control's size is stated in

    int strip = 0;  // which strip bitmap: 0, 1 or 2
    int cellWidth = 0;
    int cellHeight = 0;
    int maskOn = 0;  // which mask bitmap, 0..5
    int maskOff = 0;

    constexpr int stripWidth() const { return cellWidth; }
    constexpr int stripHeight() const { return cellHeight * kCellCount; }
    constexpr int widthTwips() const { return cellWidth * kTwipsPerPixel; }
    constexpr int heightTwips() const { return cellHeight * kTwipsPerPixel; }
    constexpr int mask(bool value) const { return value ? maskOn : maskOff; }
    // Top row of `cell` inside the strip.
    constexpr int cellTop(int cell) const { return cell * cellHeight; }
    // The same skin drawn at another scale: its strip and masks come at that size.
    constexpr SafeSwitchSkin scaled(int percent) const
    {
        return {strip, scaledPixels(cellWidth, percent), scaledPixels(cellHeight, percent), maskOn, maskOff};
    }

    friend constexpr bool operator==(const SafeSwitchSkin&, const SafeSwitchSkin&) = default;
};

// Any skin number other than 0 and 1 selects the small third skin, so no value is rejected.
constexpr SafeSwitchSkin safeSwitchSkin(int skin)
{
    switch (skin) {
    case 0: return {0, 78, 23, 0, 1};
    case 1: return {1, 74, 24, 2, 3};
    default: return {2, 36, 16, 4, 5};
    }
}

}  // namespace vistrel
