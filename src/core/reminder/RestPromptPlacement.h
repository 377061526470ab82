#pragma once
#include "reminder/PixelRect.h"

namespace vistrel {

// Where the rest prompt opens: flush with the right edge of the primary screen (not of the work
// area) and with its bottom on the bottom of the work area, so it sits above a bottom taskbar and
// overlaps one on the right.
struct RestPromptPlacement {
    // Borderless window, 4890 x 1935 twips at 15 twips per pixel.
    static constexpr int kWidth = 326;
    static constexpr int kHeight = 129;

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
