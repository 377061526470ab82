#include "reminder/CountdownScreenLayout.h"

#include <cmath>

namespace vistrel {

namespace {

struct TwipRect {
    double left;
    double top;
    double width;
    double height;
};

// Design places in twips.
constexpr TwipRect kHeading{1800, 1560, 10935, 855};
constexpr TwipRect kPanel{840, 2880, 13215, 2055};
constexpr TwipRect kCopyPanel{5880, 7680, 2775, 615};
constexpr double kCloseImageTop = 5280;

// Centring halves odd widths, so unlike whole design places these can fall on half a pixel; they
// round to nearest, halves to even, as every fractional value in the program does.
int twipsToPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

PixelRect centred(double screenWidthTwips, const TwipRect& r, double tpp)
{
    return {twipsToPixels(screenWidthTwips / 2 - r.width / 2, tpp), twipsToPixels(r.top, tpp),
            twipsToPixels(r.width, tpp), twipsToPixels(r.height, tpp)};
}

}  // namespace

CountdownScreenLayout CountdownScreenLayout::forScreen(int screenWidth, int screenHeight, int twipsPerPixel)
{
    const double tpp = twipsPerPixel > 0 ? twipsPerPixel : 15;
    const double screenWidthTwips = screenWidth * tpp;

    CountdownScreenLayout layout;
    layout.window = {0, 0, screenWidth, screenHeight};
    layout.heading = centred(screenWidthTwips, kHeading, tpp);
    layout.panel = centred(screenWidthTwips, kPanel, tpp);
    layout.label = {0, 0, layout.panel.width, layout.panel.height};
    layout.copyPanel = {twipsToPixels(kCopyPanel.left, tpp), twipsToPixels(kCopyPanel.top, tpp),
                        twipsToPixels(kCopyPanel.width, tpp), twipsToPixels(kCopyPanel.height, tpp)};
    const TwipRect close{0, kCloseImageTop, kCloseImageSize * tpp, kCloseImageSize * tpp};
    layout.closeImage = centred(screenWidthTwips, close, tpp);
    return layout;
}

}  // namespace vistrel
