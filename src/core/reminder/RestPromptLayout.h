#pragma once
#include "base/Twips.h"

// The rest prompt (`Form2`) in twips of its client area.
namespace vistrel::layout::prompt {

inline constexpr TwipsRect kClient{0, 0, 4890, 1935};
inline constexpr TwipsRect kHint{0, 0, 4935, 285};                  // `Label3`, "提示:点击以下按钮"
inline constexpr TwipsRect kMessage{15, 315, 4935, 555};            // `Label1`, the message
inline constexpr TwipsRect kDisplayOff{30, 855, 4905, 375};         // `Label4`, "关闭显示器"
inline constexpr TwipsRect kLockAndDisplayOff{30, 1230, 4920, 360};  // `Label5`, "锁屏 + 关闭显示器"
inline constexpr TwipsRect kContinueWork{15, 1590, 4950, 330};      // `Label2`, "继续工作"
// `tippro`: below the visible client area; it only holds the rest's progress.
inline constexpr TwipsRect kTippro{960, 2880, 4455, 615};
// `Shape1`: 7 twips in from the top-left, 7 twips smaller than the window.
inline constexpr TwipsRect kFrame{7, 7, kClient.width - 7, kClient.height - 7};

}  // namespace vistrel::layout::prompt
