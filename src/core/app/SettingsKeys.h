#pragma once
#include <string_view>

namespace vistrel::settings {

inline constexpr std::string_view kFileName = "config.ini";

// Section of the rest reminder.
inline constexpr std::string_view kRest = "dsxx";
inline constexpr std::string_view kWorkMinutes = "mei";
inline constexpr std::string_view kRestMinutes = "xiuxi";
inline constexpr std::string_view kSwitch = "pdrun";

// Section of the screen colour adjustment.
inline constexpr std::string_view kColour = "eye";
inline constexpr std::string_view kBrightness = "liangdu";
inline constexpr std::string_view kContrast = "duibidu";
inline constexpr std::string_view kRedGain = "rgbr";
inline constexpr std::string_view kGreenGain = "rgbg";
inline constexpr std::string_view kBlueGain = "rgbb";

}  // namespace vistrel::settings
