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
inline constexpr std::string_view kNoticeSeconds = "notice_seconds";        // 0 (off) or 10..300, default 60
inline constexpr std::string_view kEyeBreakMinutes = "eye_break_minutes";   // 0 (off, default) or 10..60
inline constexpr std::string_view kEyeBreakSeconds = "eye_break_seconds";   // 10..60, default 20
inline constexpr std::string_view kWorkHours = "work_hours";                // "hh:mm-hh:mm", empty (default): always
inline constexpr std::string_view kWorkDays = "work_days";                  // digits 1..7 for Monday..Sunday, default all
inline constexpr std::string_view kRecordHistory = "record_history";        // "1" (default) or "0"
inline constexpr std::string_view kHoldInMeetings = "hold_in_meetings";     // "1" (default) or "0"
inline constexpr std::string_view kLanguage = "language";                   // "zh" (default) or "en"

// Section of the night colour; written when the user changes it, never by the exit sequence.
inline constexpr std::string_view kNight = "night";
inline constexpr std::string_view kNightMode = "mode";       // "off" (default), "times" or "sun"
inline constexpr std::string_view kNightKelvin = "night_k";  // 1900..6500, default 3600
inline constexpr std::string_view kDayKelvin = "day_k";      // 1900..6500 and not below night_k, default 6500
inline constexpr std::string_view kNightStart = "start";     // "hh:mm", default "21:00"
inline constexpr std::string_view kNightEnd = "end";         // "hh:mm", default "07:00"
inline constexpr std::string_view kNightFade = "fade";       // minutes 0..120, default 30
inline constexpr std::string_view kLatitude = "latitude";    // decimal degrees, north positive
inline constexpr std::string_view kLongitude = "longitude";  // decimal degrees, east positive
// The schedule the tray's check item turns back on while `mode` is "off": "times" or "sun".
inline constexpr std::string_view kLastNightMode = "last_mode";

}  // namespace vistrel::settings
