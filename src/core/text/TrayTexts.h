#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The tray icon's menu and notice.
enum class TrayText {
    // The first line: what comes next.
    RestOff,
    PausedUntil,     // {0}: a time, or a date and time
    PauseEndDate,    // {0} month, {1} day, {2} time
    HeldUntilFree,
    Resting,
    RestDue,
    NextRest,        // {0}: "hh:mm"
    OffHours,
    OffHoursUntil,   // {0}: weekday, {1}: time
    // The reminder's items.
    Postpone,        // {0}: minutes
    PostponedMost,   // {0}: postpones in a row
    PauseMenu,
    PauseMinutes,    // {0}
    PauseHours,      // {0}
    PauseTomorrow,
    ResumeReminders,
    HoldWhenBusy,
    AwayCountsAsRest,
    EyeBreaks,
    StartWithWindows,
    // The night colour's group.
    NightOff,
    NightNeedsPlace,
    NightPausedUntil,  // {0}: time
    Warming,           // {0}: "4500 K"
    TurningToDay,      // {0}: "4500 K"
    NightState,        // {0}: "3400 K"
    DayState,
    DayStateKelvin,    // {0}: "5500 K"
    StateThenDay,      // {0}: the state, {1}: time
    StateThenWarming,  // {0}: the state, {1}: time
    NightColour,
    NightPauseHours,   // {0}
    Statistics,
    Options,
    // The designed items, and the notice's title.
    Display,
    About,
    Exit,
    NoticeTitle,
    Count
};

const TextEntry<TrayText>& textEntry(TrayText id);
std::span<const TextEntry<TrayText>> textTable(TrayText);

}  // namespace vistrel
