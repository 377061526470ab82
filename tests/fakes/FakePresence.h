#pragma once
#include "fakes/FakeClock.h"
#include "reminder/Presence.h"

namespace vistrel::testing {

// The user as the fake clock sees them: idle since the last input() call, locked and busy as set.
class FakePresence final : public Presence {
public:
    explicit FakePresence(const FakeClock& clock) : m_clock(clock), m_lastInput(clock.utcNow()) {}

    std::int64_t idleSeconds() const override { return m_clock.utcNow().seconds - m_lastInput.seconds; }
    bool locked() const override { return isLocked; }
    bool busy() const override { return isBusy; }
    bool inMeeting() const override
    {
        ++meetingQueries;
        return isInMeeting;
    }

    void input() { m_lastInput = m_clock.utcNow(); }

    bool isLocked = false;
    bool isBusy = false;
    bool isInMeeting = false;
    mutable int meetingQueries = 0;  // the store is read only while an answer matters

private:
    const FakeClock& m_clock;
    UtcTime m_lastInput;
};

}  // namespace vistrel::testing
