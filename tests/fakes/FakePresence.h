#pragma once
#include "fakes/FakeClock.h"
#include "reminder/Presence.h"

namespace vistrel::testing {

// The user as the fake clock sees them: idle since the last input() call, locked and busy as set.
class FakePresence final : public Presence {
public:
    explicit FakePresence(const FakeClock& clock) : m_clock(clock), m_lastInput(clock.now()) {}

    std::int64_t idleSeconds() const override { return m_clock.now().seconds - m_lastInput.seconds; }
    bool locked() const override { return isLocked; }
    bool busy() const override { return isBusy; }

    void input() { m_lastInput = m_clock.now(); }

    bool isLocked = false;
    bool isBusy = false;

private:
    const FakeClock& m_clock;
    LocalTime m_lastInput;
};

}  // namespace vistrel::testing
