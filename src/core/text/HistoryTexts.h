#pragma once
#include <span>

#include "text/TextEntry.h"

namespace vistrel {

// The statistics window: today's figures, the chart, the day's tooltip and the export.
enum class HistoryText {
    WindowTitle,
    DayLabel,           // {0}: "12/09", {1}: weekday
    Minutes,            // {0}
    Hours,              // {0}
    HoursMinutes,       // {0} hours, {1} minutes
    // Today's figures: caption, value.
    RestsToday,
    RestsOfOffered,     // {0} taken, {1} offered
    TimeRested,
    LongestStretch,
    ScreenTime,
    // The tooltip's lines.
    RestsTaken,         // {0}
    RestsTakenAndCut,   // {0} taken, {1} completed, {2} ended early
    RestsSkipped,       // {0}
    AwayAsRest,         // {0}
    Postponed,          // {0}
    EyeBreaks,          // {0} taken, {1} missed
    TimeRestedLine,     // {0}: a length
    LongestStretchLine, // {0}: a length
    ScreenTimeLine,     // {0}: a length
    // The chart.
    NoHistory,
    CountAxis,
    TakenLegend,
    SkippedLegend,
    // The export.
    Export,
    CsvFiles,
    AllFiles,
    CannotOpenDialog,
    CannotRead,
    CannotWrite,        // {0}: the path
    Count
};

const TextEntry<HistoryText>& textEntry(HistoryText id);
std::span<const TextEntry<HistoryText>> textTable(HistoryText);

}  // namespace vistrel
