#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"

namespace vistrel {

// What happened to the rest reminder, as the history file names it.
enum class HistoryEvent {
    Start,             // the program started
    Exit,              // the program ended normally
    Prompt,            // the rest prompt opened
    Rest,              // the countdown started; value: its minutes
    RestDone,          // the countdown reached zero
    RestCut,           // the countdown was closed early; value: the seconds rested
    Continue,          // "继续工作"
    DisplayOff,        // "关闭显示器"
    LockDisplayOff,    // "锁屏 + 关闭显示器"
    Postpone,          // the rest was put off five minutes
    Away,              // time away counted as the rest; value: its minutes, logged on coming back
    Held,              // a due rest waits (Windows busy, a meeting)
    EyeBreak,          // an eye break ran to its end
    EyeBreakSkipped,   // an eye break was due but could not open
    Pause,             // reminders paused; value: minutes
    Resume,            // reminders resumed
};

inline constexpr std::array<std::string_view, 16> kHistoryEventNames = {
    "start", "exit", "prompt", "rest", "rest-done", "rest-cut", "continue", "display-off",
    "lock-display-off", "postpone", "away", "held", "eye-break", "eye-break-skipped", "pause", "resume",
};

std::string_view historyEventName(HistoryEvent event);
std::optional<HistoryEvent> parseHistoryEvent(std::string_view name);
// Whether the event carries a number.
bool historyEventHasValue(HistoryEvent event);

// One line of the history file. Besides the local time the line keeps the local clock's offset from
// UTC at that moment, so lengths of time come out right across daylight-saving changes.
struct HistoryRecord {
    LocalTime local;
    std::int64_t utcOffsetSeconds = 0;
    HistoryEvent event = HistoryEvent::Start;
    std::int64_t value = 0;

    UtcTime utc() const { return UtcTime{local.seconds - utcOffsetSeconds}; }
    friend bool operator==(const HistoryRecord&, const HistoryRecord&) = default;
};

inline constexpr std::string_view kHistoryHeader = "time,event,value,utc_offset";

// "2026-12-09 14:03:27,rest,10,+08:00" without the line break.
std::string historyLine(const HistoryRecord& record);
// None for a torn, foreign or header line.
std::optional<HistoryRecord> parseHistoryLine(std::string_view line);

}  // namespace vistrel
