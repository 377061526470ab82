#pragma once
#include <optional>
#include <vector>

#include "base/Twips.h"

namespace vistrel {

// One display monitor as the countdown screen covers it: the whole monitor (taskbar included) in
// desktop pixels, and the density its window lays itself out at.
struct MonitorArea {
    PixelRect area;
    int dpi = kDefaultDpi;
    bool primary = false;
};

// Geometry of the countdown screen: the window covers the whole screen, taskbar included; the
// heading, the countdown panel and the close image are centred horizontally and keep their design
// tops on every screen; the copy panel keeps its design place. All results are in pixels: the
// window in desktop pixels, everything else in the window's client pixels.
struct CountdownScreenLayout {
    PixelRect window;
    PixelRect heading;     // `Text1`, "时间："
    PixelRect panel;       // `Picture1`, holds the countdown text
    PixelRect label;       // `Label1`, inside the panel at 0, 0 with the panel's size
    std::optional<PixelRect> copyPanel;  // `Picture2`, on the primary monitor only
    PixelRect closeImage;  // `imgclose`, its picture's 60 x 60 pixels at the density's art scale
    int dpi = kDefaultDpi;

    static constexpr int kCloseImageSize = 60;  // at 100 %

    static CountdownScreenLayout forScreen(int screenWidth, int screenHeight, int dpi = kDefaultDpi);
    // The window on one monitor: the whole design on the primary, the same without the copy panel
    // on any other.
    static CountdownScreenLayout forMonitor(const MonitorArea& monitor);
    // One window per monitor, the primary's first. Monitors without an area are left out; when
    // none is marked primary, the first one is taken.
    static std::vector<CountdownScreenLayout> forMonitors(const std::vector<MonitorArea>& monitors);
};

}  // namespace vistrel
