#pragma once
#include <cstdint>

namespace vistrel {

// Window layouts are designed in twips (1/1440 inch), 15 to a pixel at the usual 96 DPI.
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

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// twips × dpi / 1440 to the nearest pixel, halves to even like every fractional value the program
// makes whole: 4725 twips are 472 pixels at 144 DPI (472.5), 630 at 192 DPI. Computed exactly, so a
// density whose pixel is not a whole number of twips (168 or 192 DPI) is not rounded twice.
constexpr int toPixels(int twips, int dpi)
{
    const std::int64_t scaled = std::int64_t{twips} * dpi;
    std::int64_t whole = scaled / kTwipsPerInch;
    std::int64_t rest = scaled % kTwipsPerInch;
    if (rest < 0) {  // floor, so negative places round the same way
        rest += kTwipsPerInch;
        --whole;
    }
    if (2 * rest > kTwipsPerInch || (2 * rest == kTwipsPerInch && whole % 2 != 0)) ++whole;
    return static_cast<int>(whole);
}

constexpr PixelRect toPixels(TwipsRect r, int dpi)
{
    return {toPixels(r.left, dpi), toPixels(r.top, dpi), toPixels(r.width, dpi), toPixels(r.height, dpi)};
}

// A rectangle moved by (dx, dy) twips: places inside a container, given relative to it.
constexpr TwipsRect offset(TwipsRect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.width, r.height}; }

}  // namespace vistrel
