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

// Section of the options beyond the designed settings; written when the user changes one, never by
// the exit sequence.
inline constexpr std::string_view kExtra = "extra";
inline constexpr std::string_view kHoldWhenBusy = "hold_when_busy";          // "1" (default) or "0"
inline constexpr std::string_view kAwayCountsAsRest = "away_counts_as_rest";  // "0" (default) or "1"
inline constexpr std::string_view kPausedUntil = "paused_until";             // "yyyy-mm-dd hh:mm" or empty

}  // namespace vistrel::settings
