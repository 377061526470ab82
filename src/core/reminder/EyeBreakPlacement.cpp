#include "reminder/EyeBreakPlacement.h"

#include <algorithm>

#include "reminder/EyeBreakLayout.h"
#include "reminder/RestPromptPlacement.h"

namespace vistrel {

PixelRect EyeBreakPlacement::place(const Input& in)
{
    const PixelRect promptSize = toPixels(layout::prompt::kClient, in.dpi);
    const PixelRect prompt = RestPromptPlacement::place(
        {in.screenWidth, in.screenHeight, in.workAreaBottom, promptSize.width, promptSize.height});
    const PixelRect size = toPixels(layout::eyeBreak::kClient, in.dpi);
    const int bottom = prompt.top - toPixels(layout::eyeBreak::kGapAbovePrompt, in.dpi);
    // A screen too low for both keeps the break on it, over the prompt's place.
    const int top = std::max(0, bottom - size.height);
    return {prompt.right() - size.width, top, size.width, size.height};
}

}  // namespace vistrel
