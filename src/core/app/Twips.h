#pragma once

namespace vistrel {

// Window layouts are designed in twips (1/1440 inch); the screen has a whole number of twips per
// pixel (15 at 96 DPI).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr int twipsPerPixelForDpi(int dpi) { return dpi > 0 ? 1440 / dpi : 15; }

// Nearest pixel, halves away from zero (twips are never negative in a layout).
constexpr int toPixels(int twips, int twipsPerPixel)
{
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

constexpr PixelRect toPixels(TwipsRect r, int twipsPerPixel)
{
    return {toPixels(r.left, twipsPerPixel), toPixels(r.top, twipsPerPixel), toPixels(r.width, twipsPerPixel),
            toPixels(r.height, twipsPerPixel)};
}

}  // namespace vistrel
