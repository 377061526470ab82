#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeDesktopServices.h"
#include "fakes/InMemoryProfile.h"
#include "fakes/RecordingGammaDevice.h"

namespace vistrel {
namespace {

using ::testing::SizeIs;
using testing::FakeClock;

// A run loaded at 09:15:30 with 30 work minutes and the colour switch on at brightness -20.
struct LoadedRun {
    LoadedRun()
    {
        profile.setText("[dsxx]\nmei=30\nxiuxi=5\npdrun=1\n[eye]\npdrun=1\nliangdu=-20\n");
        form.load();
        form.timer1Tick();
    }
    bool displayAdjusted(const std::string& name = testing::RecordingGammaDevice::kFirst)
    {
        return gamma.display(name).ramp != GammaRamp::identity();
    }

    testing::InMemoryProfile profile;
    FakeClock clock{FakeClock::at(9, 15, 30)};
    testing::RecordingGammaDevice gamma;
    testing::FakeDesktopServices desktop;
    MainForm form{MainFormPorts{profile, clock, gamma, desktop}, "https://host.example.org"};
};

TEST(MainFormSystemEvents, RampsAreHeldAndDisplaysListedOnTheEventsThatChangeThem)
{
    struct Case {
        SystemEvent event;
        bool holdsRamps;
        bool listsDisplays;
    };
    const Case cases[] = {
        {SystemEvent::DisplayChange, true, true},     {SystemEvent::DeviceChange, false, true},
        {SystemEvent::Resume, true, false},           {SystemEvent::ConsoleDisplayOn, true, false},
        {SystemEvent::Lock, false, false},            {SystemEvent::Unlock, true, false},
        {SystemEvent::SettingChange, true, false},    {SystemEvent::EndSession, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.event));
        LoadedRun run;
        ASSERT_TRUE(run.displayAdjusted());
        run.gamma.display().ramp = GammaRamp::identity();  // the system put its own ramp back
        run.gamma.add("\\\\.\\DISPLAY2");
        run.form.onSystemEvent(c.event);
        EXPECT_EQ(run.displayAdjusted(), c.holdsRamps);
        EXPECT_EQ(run.form.colour().displays().size(), c.listsDisplays ? 2u : 1u);
        if (c.listsDisplays) {
            EXPECT_TRUE(run.displayAdjusted("\\\\.\\DISPLAY2")) << "the new display is adjusted";
        }
    }
}

TEST(MainFormSystemEvents, ResumeCatchesTheReminderUpAndDisplayChangesReachAnOpenCountdownScreen)
{
    LoadedRun run;
    // Asleep over the due minute 09:45: that rest counts as taken, the next is a work period on.
    run.clock.set(FakeClock::at(10, 30, 10));
    run.form.onSystemEvent(SystemEvent::Resume);
    EXPECT_EQ(run.form.rest().label5(), "11:00");

    const unsigned before = run.form.rest().countdownScreen().layout();
    run.form.onSystemEvent(SystemEvent::DisplayChange);
    EXPECT_EQ(run.form.rest().countdownScreen().layout(), before) << "no screen open, nothing to lay out";

    run.clock.set(FakeClock::at(11, 0, 0));
    run.form.timer1Tick();
    run.form.rest().promptTakeRest();
    ASSERT_TRUE(run.form.rest().countdownScreen().isOpen());
    int redraws = 0;
    run.form.changed = [&] { ++redraws; };
    run.form.onSystemEvent(SystemEvent::DisplayChange);
    EXPECT_NE(run.form.rest().countdownScreen().layout(), before);
    EXPECT_EQ(redraws, 1) << "the shell is told, so it opens the screen afresh";
}

TEST(MainFormSystemEvents, TheEndOfTheSessionRunsTheExitSequence)
{
    LoadedRun run;
    run.profile.calls.clear();
    run.form.onSystemEvent(SystemEvent::EndSession);
    EXPECT_THAT(run.profile.calls, SizeIs(9));
    EXPECT_EQ(run.profile.calls.front(), "write dsxx/mei=30");
}

}  // namespace
}  // namespace vistrel
