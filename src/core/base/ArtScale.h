#pragma once
#include <cstdint>

namespace vistrel {

// Pictures (switch skins, masks, image buttons, tiles) come at 100, 125, 150, 175 and 200 %. A
// window at `dpi` uses the nearest scale, halves up, at most 200 %: 96 DPI is 100 %, 120 is 125,
// 144 is 150, 168 is 175, 192 and above 200.
inline constexpr int kMinArtScale = 100;
inline constexpr int kMaxArtScale = 200;
inline constexpr int kArtScaleStep = 25;

constexpr int artScaleForDpi(int dpi)
{
    const int steps = (dpi * 100 / 96 + kArtScaleStep / 2) / kArtScaleStep;
    const int percent = steps * kArtScaleStep;
    return percent < kMinArtScale ? kMinArtScale : percent > kMaxArtScale ? kMaxArtScale : percent;
}

// A picture's 100 % size at another scale, to the nearest pixel with halves to even: the size the
// art generator draws it at.
constexpr int scaledPixels(int pixels, int percent)
{
    const std::int64_t scaled = std::int64_t{pixels} * percent;
    std::int64_t whole = scaled / 100;
    const std::int64_t rest = scaled % 100;
    if (2 * rest > 100 || (2 * rest == 100 && whole % 2 != 0)) ++whole;
    return static_cast<int>(whole);
}

}  // namespace vistrel
