#pragma once
#include "base/Clock.h"

namespace vistrel::testing {

// A clock the test moves by hand: forwards, backwards, across midnight.
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
    void set(LocalTime t) { m_now = t; }
    void advanceSeconds(std::int64_t s) { m_now.seconds += s; }
    void advanceMinutes(std::int64_t m) { m_now.seconds += m * 60; }

private:
    LocalTime m_now;
};

}  // namespace vistrel::testing
