#include "reminder/CountdownScreenLayout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "base/ArtScale.h"

namespace vistrel {

namespace {

// Design places in twips.
constexpr TwipsRect kHeading{1800, 1560, 10935, 855};
constexpr TwipsRect kPanel{840, 2880, 13215, 2055};
constexpr TwipsRect kCopyPanel{5880, 7680, 2775, 615};
constexpr int kCloseImageTop = 5280;

// Centring halves odd widths, so unlike whole design places these can fall on half a pixel; they
// round to nearest, halves to even, as every fractional value in the program does.
PixelRect centred(int screenWidth, const TwipsRect& r, int dpi)
{
    const int width = toPixels(r.width, dpi);
    const double left = screenWidth / 2.0 - static_cast<double>(r.width) * dpi / (2.0 * kTwipsPerInch);
    return {static_cast<int>(std::nearbyint(left)), toPixels(r.top, dpi), width, toPixels(r.height, dpi)};
}

}  // namespace

CountdownScreenLayout CountdownScreenLayout::forScreen(int screenWidth, int screenHeight, int dpi)
{
    if (dpi <= 0) dpi = kDefaultDpi;
    CountdownScreenLayout layout;
    layout.window = {0, 0, screenWidth, screenHeight};
    layout.heading = centred(screenWidth, kHeading, dpi);
    layout.panel = centred(screenWidth, kPanel, dpi);
    layout.label = {0, 0, layout.panel.width, layout.panel.height};
    layout.copyPanel = toPixels(kCopyPanel, dpi);
    // The close picture comes at the density's art scale; its place follows the density.
    const int closeSize = scaledPixels(kCloseImageSize, artScaleForDpi(dpi));
    const int closeLeft = static_cast<int>(std::nearbyint(screenWidth / 2.0 - closeSize / 2.0));
    layout.closeImage = {closeLeft, toPixels(kCloseImageTop, dpi), closeSize, closeSize};
    layout.dpi = dpi;
    return layout;
}

CountdownScreenLayout CountdownScreenLayout::forMonitor(const MonitorArea& monitor)
{
    CountdownScreenLayout layout = forScreen(monitor.area.width, monitor.area.height, monitor.dpi);
    layout.window = monitor.area;
    if (!monitor.primary) layout.copyPanel.reset();
    return layout;
}

std::vector<CountdownScreenLayout> CountdownScreenLayout::forMonitors(const std::vector<MonitorArea>& monitors)
{
    std::vector<MonitorArea> usable;
    std::copy_if(monitors.begin(), monitors.end(), std::back_inserter(usable),
                 [](const MonitorArea& m) { return m.area.width > 0 && m.area.height > 0; });
    auto primary = std::find_if(usable.begin(), usable.end(), [](const MonitorArea& m) { return m.primary; });
    if (primary == usable.end()) primary = usable.begin();
    if (primary != usable.end()) std::rotate(usable.begin(), primary, primary + 1);

    std::vector<CountdownScreenLayout> layouts;
    for (MonitorArea monitor : usable) {
        monitor.primary = layouts.empty();
        layouts.push_back(forMonitor(monitor));
    }
    return layouts;
}

}  // namespace vistrel
