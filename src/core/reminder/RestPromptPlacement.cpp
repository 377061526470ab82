#include "reminder/RestPromptPlacement.h"

namespace vistrel {

PixelRect RestPromptPlacement::place(const Input& in)
{
    // The screen height only cancels out: (screen - window) - (screen - work-area bottom).
    return {in.screenWidth - in.windowWidth, in.workAreaBottom - in.windowHeight, in.windowWidth, in.windowHeight};
}

}  // namespace vistrel
