#pragma once
#include "base/Twips.h"

namespace vistrel {

// Where the eye-break window opens: right above the place where the rest prompt opens, flush with
// the same right edge, so the two never cover each other and the eye finds both in one corner.
struct EyeBreakPlacement {
    struct Input {
        int screenWidth = 0;
        int screenHeight = 0;
        int workAreaBottom = 0;
        int dpi = kDefaultDpi;  // both windows' sizes and the gap scale with it
    };

    static PixelRect place(const Input& in);
};

}  // namespace vistrel
