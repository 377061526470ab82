#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Clock.h"
#include "history/HistoryEvent.h"

namespace vistrel {

// One local calendar day's numbers, from midnight to midnight (23 or 25 hours on daylight-saving
// days). A rest belongs to the day it started on, even when it ends after midnight.
struct DayStats {
    std::int64_t day = 0;  // days since 1970-01-01, local

    int prompted = 0;
    int restsTaken = 0;      // countdowns started
    int restsCompleted = 0;
    int restsCut = 0;
    int restsSkipped = 0;    // "继续工作" or the display switched off without a rest
    int awayAsRest = 0;
    int postponed = 0;
    int held = 0;
    int eyeBreaks = 0;
    int eyeBreaksSkipped = 0;
    std::int64_t secondsRested = 0;  // countdowns, cut ones as far as they ran, and time away
    std::int64_t screenSeconds = 0;  // the program running and the user not away
    std::int64_t longestStretchSeconds = 0;  // work without any rest, cut at midnight

    friend bool operator==(const DayStats&, const DayStats&) = default;
};

struct ParsedHistory {
    std::vector<HistoryRecord> records;
    int skippedLines = 0;  // torn or foreign lines; header lines are not counted
};

// Reads the text of the history files, the old one's first.
ParsedHistory parseHistory(std::string_view text);

// The days that saw any event or screen time, in order. A run still open at the end (this one)
// counts up to `now`; a run that ended without `exit` (a crash) counts up to its last event.
std::vector<DayStats> aggregateHistory(const std::vector<HistoryRecord>& records, LocalTime now,
                                       std::int64_t nowUtcOffsetSeconds);

// The `count` days ending with the one `today` falls on, oldest first; days without history are zeros.
std::vector<DayStats> lastDays(const std::vector<DayStats>& days, LocalTime today, int count);

constexpr std::int64_t localDayNumber(LocalTime time)
{
    return (time.seconds - time.secondOfDay()) / LocalTime::kSecondsPerDay;
}

}  // namespace vistrel
