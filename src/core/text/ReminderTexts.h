#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The rest reminder: its prompt, notice, eye break, countdown screen and rest panel.
enum class ReminderText {
    PromptMessage,        // {0}: rest minutes
    PromptHint,           // `Label3`
    PromptDisplayOff,     // `Label4`
    PromptLockDisplayOff, // `Label5`
    PromptContinueWork,   // `Label2`
    NoticeInMinutes,      // {0}: minutes until the rest, {1}: rest minutes
    NoticeInSeconds,      // {0}: seconds until the rest, {1}: rest minutes
    NoticeCanPostpone,    // the notice's second line
    EyeBreakMessage,
    EyeBreakSeconds,      // {0}
    CountdownHeading,     // `Text1`
    // The rest panel's sentence, the two boxes between its three pieces.
    PanelBeforeWork,
    PanelBetween,
    PanelAfterRest,
    // The boxes' names, in the warning and in the panel's hint line.
    WorkLength,
    RestLength,
    WorkShort,
    RestShort,
    OutOfRange,           // {0}: the box's name, {1}-{2}: the range
    RangeHintPart,        // {0}: the box's short name, {1}-{2}: the range
    RangeHint,            // {0}: work's part, {1}: rest's part
    WarningTitle,         // the out-of-range warning's title
    Count
};

const TextEntry<ReminderText>& textEntry(ReminderText id);
std::span<const TextEntry<ReminderText>> textTable(ReminderText);

}  // namespace vistrel
