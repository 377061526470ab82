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

// Real time as seconds since 1970-01-01 00:00 UTC. It runs on steadily when the local clock jumps
// with daylight saving or a new time zone, so lengths of time are measured on it.
struct UtcTime {
    std::int64_t seconds = 0;

    friend constexpr bool operator==(UtcTime, UtcTime) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime now() const = 0;
    virtual UtcTime utcNow() const = 0;

    // How far the local clock stands ahead of real time, to the minute: the two readings are
    // taken one after the other and may straddle a second, and every time zone is whole minutes.
    std::int64_t utcOffsetSeconds() const
    {
        const std::int64_t offset = now().seconds - utcNow().seconds;
        const std::int64_t rounded = (offset + (offset < 0 ? -30 : 30)) / 60;
        return rounded * 60;
    }
};

}  // namespace vistrel
