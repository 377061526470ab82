#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The Options window's own texts: its caption, tabs, what it says about a value it refuses, its
// status lines and its message boxes. The pages' control labels are OptionsPageText.
enum class OptionsText {
    Caption,
    GeneralTab,
    RestTab,
    NightTab,
    MessageTitle,  // a message box's caption: the program's name
    Refused,       // the title of the balloon on a field that stops an apply
    StartTimeRange,
    EndTimeRange,
    FadeRange,  // {0} to {1} minutes
    LatitudeRange,
    LongitudeRange,
    NoticeRange,            // {0} to {1} seconds
    EyeBreakMinutesRange,   // {0} to {1} minutes
    EyeBreakSecondsRange,   // {0} to {1} seconds
    NoWorkDay,
    SunTimes,      // {0} sunset, {1} sunrise
    UnknownTime,   // a sun time that cannot be known
    DisplayHdr,    // {0} the display's name
    DisplayLimit,  // {0} the display's name, {1} the warmest it allows
    ListSeparator,
    Kelvin,  // {0} the temperature
    ClearHistoryQuestion,
    ClearHistoryFailed,
    Count
};

const TextEntry<OptionsText>& textEntry(OptionsText id);
std::span<const TextEntry<OptionsText>> textTable(OptionsText);

}  // namespace vistrel
