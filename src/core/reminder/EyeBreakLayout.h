#pragma once
#include "base/Twips.h"
#include "reminder/RestPromptLayout.h"

// The eye-break window in twips of its client area: as wide as the rest prompt, which it sits above.
namespace vistrel::layout::eyeBreak {

inline constexpr TwipsRect kClient{0, 0, prompt::kClient.width, 1080};
inline constexpr TwipsRect kMessage{0, 105, kClient.width, 510};  // "看看 6 米外的地方"
inline constexpr TwipsRect kSeconds{0, 615, kClient.width, 375};  // the seconds left
// Between the window's bottom and the top of the place where the rest prompt opens.
inline constexpr int kGapAbovePrompt = 120;

}  // namespace vistrel::layout::eyeBreak
