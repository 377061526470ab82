#pragma once
#include <cstdint>

namespace vistrel {

// Local wall-clock time as seconds since 1970-01-01 00:00 local time, so that the time of day is
// the value modulo one day. Kept as a plain count so that a clock may jump forwards and backwards.
struct LocalTime {
    static constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

    std::int64_t seconds = 0;

    constexpr std::int64_t secondOfDay() const
    {
        const std::int64_t r = seconds % kSecondsPerDay;
        return r < 0 ? r + kSecondsPerDay : r;
    }
    constexpr int hour() const { return static_cast<int>(secondOfDay() / 3600); }
    constexpr int minute() const { return static_cast<int>(secondOfDay() / 60 % 60); }
    constexpr int second() const { return static_cast<int>(secondOfDay() % 60); }

    friend constexpr bool operator==(LocalTime, LocalTime) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
};

}  // namespace vistrel
