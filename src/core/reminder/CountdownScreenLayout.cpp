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

// Twips become pixels rounded to nearest, halves to even, as everywhere in the program.
int toPixels(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::nearbyint(twips / twipsPerPixel));
}

PixelRect centred(double screenWidthTwips, const TwipRect& r, double tpp)
{
    return {toPixels(screenWidthTwips / 2 - r.width / 2, tpp), toPixels(r.top, tpp), toPixels(r.width, tpp),
            toPixels(r.height, tpp)};
}

}  // namespace

CountdownScreenLayout CountdownScreenLayout::forScreen(int screenWidth, int screenHeight, double twipsPerPixel)
{
    const double tpp = twipsPerPixel > 0 ? twipsPerPixel : 15.0;
    const double screenWidthTwips = screenWidth * tpp;

    CountdownScreenLayout layout;
    layout.window = {0, 0, screenWidth, screenHeight};
    layout.heading = centred(screenWidthTwips, kHeading, tpp);
    layout.panel = centred(screenWidthTwips, kPanel, tpp);
    layout.label = {0, 0, layout.panel.width, layout.panel.height};
    layout.copyPanel = {toPixels(kCopyPanel.left, tpp), toPixels(kCopyPanel.top, tpp), toPixels(kCopyPanel.width, tpp),
                        toPixels(kCopyPanel.height, tpp)};
    const TwipRect close{0, kCloseImageTop, kCloseImageSize * tpp, kCloseImageSize * tpp};
    layout.closeImage = centred(screenWidthTwips, close, tpp);
    return layout;
}

}  // namespace vistrel
