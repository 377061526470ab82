#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "base/Clock.h"

namespace vistrel {

// A time of day to the minute, written "hh:mm" (24-hour, two digits each). The rest schedule is
// kept in this form, so adding minutes wraps past midnight and never carries into a date.
class TimeOfDay {
public:
    static constexpr int kMinutesPerDay = 24 * 60;

    constexpr TimeOfDay() = default;
    // Any whole number of minutes, folded into one day (negative values count back from midnight).
    static constexpr TimeOfDay fromMinutes(long long minutes)
    {
        long long r = minutes % kMinutesPerDay;
        if (r < 0) r += kMinutesPerDay;
        return TimeOfDay(static_cast<int>(r));
    }
    // The local time cut to the minute: the seconds are dropped, not rounded.
    static constexpr TimeOfDay of(LocalTime t) { return TimeOfDay(static_cast<int>(t.secondOfDay() / 60)); }
    // Accepts exactly "hh:mm" with hh 00..23 and mm 00..59; anything else is not a time.
    static std::optional<TimeOfDay> parse(std::string_view text);

    constexpr int minuteOfDay() const { return m_minuteOfDay; }
    constexpr TimeOfDay plusMinutes(long long minutes) const { return fromMinutes(m_minuteOfDay + minutes); }
    std::string text() const;

    friend constexpr bool operator==(TimeOfDay, TimeOfDay) = default;

private:
    constexpr explicit TimeOfDay(int minuteOfDay) : m_minuteOfDay(minuteOfDay) {}

    int m_minuteOfDay = 0;
};

}  // namespace vistrel
