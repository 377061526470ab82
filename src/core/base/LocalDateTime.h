#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"

namespace vistrel {

// Local date and time to the minute as settings store it: "yyyy-mm-dd hh:mm", 24-hour.
// Anything else, or a date that does not exist (2026-02-30), is not a time.
std::optional<LocalTime> parseLocalDateTime(std::string_view text);
std::string localDateTimeText(LocalTime time);  // seconds dropped

struct CalendarDate {
    int year = 1970;
    unsigned month = 1;  // 1..12
    unsigned day = 1;    // 1..31
};
// The date `time` falls on.
CalendarDate calendarDate(LocalTime time);

// The start of the minute `time` falls in.
constexpr LocalTime startOfMinute(LocalTime time)
{
    return LocalTime{time.seconds - time.secondOfDay() % 60};
}
// 00:00 of the day after `time`.
constexpr LocalTime nextMidnight(LocalTime time)
{
    return LocalTime{time.seconds - time.secondOfDay() + LocalTime::kSecondsPerDay};
}

}  // namespace vistrel
