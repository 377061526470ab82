#pragma once
#include "base/Twips.h"
#include "reminder/RestPromptLayout.h"

namespace vistrel {

// Where the rest prompt opens: flush with the right edge of the primary screen (not of the work
// area) and with its bottom on the bottom of the work area, so it sits above a bottom taskbar and
// overlaps one on the right.
struct RestPromptPlacement {
    // The borderless window's size at the usual density.
    static constexpr int kWidth = toPixels(layout::prompt::kClient.width, kDefaultDpi);
    static constexpr int kHeight = toPixels(layout::prompt::kClient.height, kDefaultDpi);

    struct Input {
        int screenWidth = 0;
        int screenHeight = 0;
        int workAreaBottom = 0;
        int windowWidth = kWidth;
        int windowHeight = kHeight;
    };

    static PixelRect place(const Input& in);
};

}  // namespace vistrel
