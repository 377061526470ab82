#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The labels of the Options window's pages, in each page's tab order. "&" marks a mnemonic; each
// page's mnemonics differ from one another in either language.
enum class OptionsPageText {
    // 常规
    StartWithWindows,
    // 休息
    RestGroup,
    Notice,
    NoticeUnit,
    HoldInMeetings,
    HoldWhenBusy,
    AwayCountsAsRest,
    EyeBreakGroup,
    EyeBreak,
    EyeBreakEvery,
    Minutes,
    EyeBreakFor,
    Seconds,
    WorkHoursGroup,
    WorkHoursOnly,
    WorkFrom,
    WorkTo,
    Monday,
    Tuesday,
    Wednesday,
    Thursday,
    Friday,
    Saturday,
    Sunday,
    HistoryGroup,
    RecordHistory,
    ClearHistory,
    // 夜间护眼
    ModeGroup,
    ModeOff,
    ModeTimes,
    ModeSun,
    TimesGroup,
    Start,
    End,
    Fade,
    FadeUnit,
    SunGroup,
    Latitude,
    Longitude,
    KelvinGroup,
    Kelvin,
    Count
};

const TextEntry<OptionsPageText>& textEntry(OptionsPageText id);
std::span<const TextEntry<OptionsPageText>> textTable(OptionsPageText);

}  // namespace vistrel
