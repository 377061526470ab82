#pragma once
#include "base/Clock.h"

namespace vistrel::testing {

// A clock the test moves by hand: forwards, backwards, across midnight. Real time moves with it,
// except when the local clock alone jumps, as it does with daylight saving.
class FakeClock final : public Clock {
public:
    static constexpr LocalTime at(int hour, int minute, int second = 0, int day = 1)
    {
        return LocalTime{static_cast<std::int64_t>(day) * LocalTime::kSecondsPerDay + hour * 3600 + minute * 60 +
                         second};
    }

    FakeClock() : m_now(at(12, 0, 0)) {}
    explicit FakeClock(LocalTime start) : m_now(start) {}

    LocalTime now() const override { return m_now; }
    UtcTime utcNow() const override { return UtcTime{m_now.seconds - m_utcOffset}; }
    void set(LocalTime t) { m_now = t; }
    void advanceSeconds(std::int64_t s) { m_now.seconds += s; }
    void advanceMinutes(std::int64_t m) { m_now.seconds += m * 60; }
    // Daylight saving or a new time zone: the local clock jumps, real time stands.
    void jumpLocalClock(std::int64_t s)
    {
        m_now.seconds += s;
        m_utcOffset += s;
    }

private:
    LocalTime m_now;
    std::int64_t m_utcOffset = 0;
};

}  // namespace vistrel::testing
