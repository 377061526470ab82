#pragma once
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/FakePresence.h"
#include "reminder/RestReminder.h"
#include "base/TimeOfDay.h"

namespace vistrel::testing {

// A main window's rest reminder with a hand-moved clock, loaded the way the window loads.
class RestReminderFixture : public ::testing::Test {
protected:
    FakeClock clock{FakeClock::at(12, 0, 0)};
    FakeDesktopServices desktop;
    FakePresence presence{clock};
    int overlayHides = 0;
    int changes = 0;
    int promptOpenings = 0;
    int pauseEndMoves = 0;
    std::vector<std::string> notices;
    std::vector<std::pair<ReminderEvent, std::int64_t>> events;
    RestReminder reminder{clock,
                          desktop,
                          {[this] { ++overlayHides; }, [this] { onChanged(); }, [this] { ++pauseEndMoves; },
                           [this](const std::string& text) { notices.push_back(text); },
                           [this](ReminderEvent event, std::int64_t value) { events.emplace_back(event, value); }},
                          &presence};

    // The window's load: the `dsxx` values, the switch set from them (raising its click), dsxxadd.
    void load(std::string_view mei, std::string_view xiuxi, std::string_view pdrun = "1")
    {
        const std::string& xxrun = reminder.loadSettings(mei, xiuxi, pdrun);
        reminder.switchClick(RestReminder::switchOnAtLoad(xxrun));
        reminder.dsxxadd();
    }

    // One tick per second of clock time.
    void tickFor(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.advanceSeconds(1);
            reminder.tick();
        }
    }

    // Ticks until the rest prompt opens; false if it did not within the limit.
    bool tickUntilPrompt(int limitSeconds = 2 * 24 * 3600)
    {
        for (int i = 0; i < limitSeconds && !reminder.prompt().isOpen(); ++i) tickFor(1);
        return reminder.prompt().isOpen();
    }

    std::string nowPlus(int minutes) const
    {
        return TimeOfDay::of(clock.now()).plusMinutes(minutes).text();
    }

private:
    void onChanged()
    {
        ++changes;
        if (reminder.prompt().isOpen() && !m_promptWasOpen) ++promptOpenings;
        m_promptWasOpen = reminder.prompt().isOpen();
    }

    bool m_promptWasOpen = false;
};

}  // namespace vistrel::testing
