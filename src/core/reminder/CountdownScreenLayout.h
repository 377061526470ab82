#pragma once
#include "app/Twips.h"

namespace vistrel {

// Geometry of the countdown screen: the window covers the whole screen, taskbar included; the
// heading, the countdown panel and the close image are centred horizontally and keep their design
// tops on every screen; the copy panel keeps its design place. All results are in pixels.
struct CountdownScreenLayout {
    PixelRect window;
    PixelRect heading;     // `Text1`, "时间："
    PixelRect panel;       // `Picture1`, holds the countdown text
    PixelRect label;       // `Label1`, inside the panel at 0, 0 with the panel's size
    PixelRect copyPanel;   // `Picture2`
    PixelRect closeImage;  // `imgclose`, always its picture's 60 x 60 pixels

    static constexpr int kCloseImageSize = 60;

    static CountdownScreenLayout forScreen(int screenWidth, int screenHeight, int dpi = kDefaultDpi);
};

}  // namespace vistrel
