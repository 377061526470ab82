#include <functional>
#include <optional>

#include "core/reminder/RestReminderFixture.h"
#include "fakes/InMemoryProfile.h"

namespace vistrel::testing {
namespace {

// Eye breaks every 20 minutes for 20 seconds, the rest an hour away, the user at the keys.
class EyeBreakTest : public RestReminderFixture {
public:
    void SetUp() override
    {
        load("60", "10");  // due 13:00
        ASSERT_TRUE(reminder.setEyeBreaks(20, 20));
    }

    // Input every second.
    void work(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            presence.input();
            tickFor(1);
        }
    }
    void workUntil(LocalTime time) { work(static_cast<int>(time.seconds - clock.now().seconds)); }
    // Works until a break opens; when it did.
    std::optional<LocalTime> workUntilBreak(int limitSeconds = 3600)
    {
        for (int i = 0; i < limitSeconds && !reminder.eyeBreak().isOpen(); ++i) work(1);
        return reminder.eyeBreak().isOpen() ? std::optional(clock.now()) : std::nullopt;
    }
    ReminderOptions eyeBreakOptions() const
    {
        ReminderOptions options;
        options.eyeBreakMinutes = 20;
        return options;
    }
};

TEST_F(EyeBreakTest, OneOpensEveryTwentyMinutesOfWorkCountsItsSecondsDownAndClosesByItself)
{
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 20, 1));  // the period began with the first tick
    EXPECT_EQ(reminder.eyeBreak().secondsText(), "20 秒");
    work(19);
    EXPECT_EQ(reminder.eyeBreak().secondsText(), "1 秒");
    work(1);
    EXPECT_FALSE(reminder.eyeBreak().isOpen());
    EXPECT_EQ(presence.meetingQueries, 1) << "the meeting store is read only when a break is due";
    // The next period counts from the end of the break.
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 40, 21));
    EXPECT_FALSE(reminder.prompt().isOpen());
}

TEST_F(EyeBreakTest, WorkIsTimedInRealTimeWhateverTheLocalClockDoes)
{
    workUntil(FakeClock::at(12, 10, 0));
    clock.jumpLocalClock(3600);  // daylight saving begins
    EXPECT_EQ(workUntilBreak(), FakeClock::at(13, 20, 1));
}

TEST_F(EyeBreakTest, AClickClosesItAtOnceAndTurningThemOffClosesItToo)
{
    ASSERT_TRUE(workUntilBreak());
    reminder.eyeBreakClick();
    EXPECT_FALSE(reminder.eyeBreak().isOpen());
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 40, 1));

    reminder.setEyeBreaks(0, 20);
    EXPECT_FALSE(reminder.eyeBreak().isOpen());
    EXPECT_FALSE(workUntilBreak(2 * 3600));
    EXPECT_FALSE(reminder.setEyeBreaks(9, 20));
    EXPECT_FALSE(reminder.setEyeBreaks(20, 61));
    EXPECT_EQ(reminder.options().eyeBreakMinutes, 0);
}

TEST_F(EyeBreakTest, TimeWithoutInputAsLongAsABreakIsOneAndALockedSessionToo)
{
    workUntil(FakeClock::at(12, 10, 0));
    tickFor(18);  // no input for 19 seconds is not enough
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 20, 1));
    work(20);

    workUntil(FakeClock::at(12, 30, 0));
    tickFor(19);  // 20 seconds is
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 50, 19));
    work(20);

    workUntil(FakeClock::at(13, 0, 0));  // the rest comes meanwhile: take it and work on
    reminder.promptContinueWork();
    presence.isLocked = true;  // the lock screen sees the mouse
    work(1);
    presence.isLocked = false;
    EXPECT_EQ(workUntilBreak(), FakeClock::at(13, 20, 1));
}

// Something stands in the way at 12:20, when a break falls due: it is skipped, and the next one
// comes a whole period later rather than once the way is clear.
struct Skip {
    const char* name;
    std::function<void(EyeBreakTest&, RestReminder&, FakePresence&)> block;  // at 12:18:30
    std::function<void(EyeBreakTest&, RestReminder&, FakePresence&)> clear;  // two minutes later
    bool skipped = true;
};

void PrintTo(const Skip& skip, std::ostream* out) { *out << skip.name; }

class EyeBreakSkipTest : public EyeBreakTest, public ::testing::WithParamInterface<Skip> {};

void workPeriod(RestReminder& reminder, const char* minutes)
{
    reminder.setWorkMinutesText(minutes);
    reminder.applyPanel();
}

ReminderOptions withWorkHours(ReminderOptions options, const char* hours)
{
    options.workHours = *WorkHours::parse(hours, "1234567");
    return options;
}

std::string skipName(const ::testing::TestParamInfo<Skip>& row) { return row.param.name; }

using T = EyeBreakTest;
using R = RestReminder;
using P = FakePresence;
INSTANTIATE_TEST_SUITE_P(
    EachReason, EyeBreakSkipTest,
    ::testing::Values(
        Skip{"Paused", [](T&, R& r, P&) { r.pause(ReminderPause::untilLocalTime(FakeClock::at(12, 21))); },
             [](T&, R& r, P&) { r.resumeReminders(); }},
        Skip{"SwitchedOff", [](T&, R& r, P&) { r.switchClick(false); }, [](T&, R& r, P&) { r.switchClick(true); }},
        Skip{"Busy", [](T&, R&, P& p) { p.isBusy = true; }, [](T&, R&, P& p) { p.isBusy = false; }},
        Skip{"InAMeeting", [](T&, R&, P& p) { p.isInMeeting = true; }, [](T&, R&, P& p) { p.isInMeeting = false; }},
        Skip{"AMeetingWithoutTheHold",
             [](T& f, R& r, P& p) {
                 ReminderOptions options = f.eyeBreakOptions();
                 options.holdInMeetings = false;
                 r.setOptions(options);
                 p.isInMeeting = true;
             },
             [](T&, R&, P&) {}, false},
        Skip{"OutsideWorkingHours",
             [](T& f, R& r, P&) { r.setOptions(withWorkHours(f.eyeBreakOptions(), "08:00-12:19")); },
             [](T& f, R& r, P&) { r.setOptions(f.eyeBreakOptions()); }},
        Skip{"RestDueInFiveMinutes", [](T&, R& r, P&) { workPeriod(r, "7"); },  // due 12:25
             [](T&, R& r, P&) { workPeriod(r, "60"); }},
        Skip{"RestDueInSixMinutes", [](T&, R& r, P&) { workPeriod(r, "8"); }, [](T&, R&, P&) {}, false},
        Skip{"RestPromptOpen", [](T&, R& r, P&) { workPeriod(r, "1"); },  // opens at 12:19
             [](T&, R& r, P&) {
                 r.promptContinueWork();
                 workPeriod(r, "60");
             }},
        Skip{"CountdownRunningUnseen",
             [](T& f, R& r, P&) {
                 workPeriod(r, "1");
                 f.work(31);  // 12:19:01
                 r.promptTakeRest();
                 r.countdownCloseClick();
                 workPeriod(r, "60");
             },
             [](T&, R&, P&) {}}),
    skipName);

TEST_P(EyeBreakSkipTest, TheBreakDueMeanwhileIsSkippedNotHeld)
{
    const Skip& skip = GetParam();
    workUntil(FakeClock::at(12, 18, 30));
    skip.block(*this, reminder, presence);
    const auto due = workUntilBreak(120);
    if (!skip.skipped) {
        EXPECT_EQ(due, FakeClock::at(12, 20, 1));
        return;
    }
    EXPECT_FALSE(due);
    skip.clear(*this, reminder, presence);
    EXPECT_EQ(workUntilBreak(), FakeClock::at(12, 40, 1));
}

TEST(EyeBreakDefaults, NoSettingsNoBreaksAndNoLookAtMeetings)
{
    FakeClock clock;
    FakeDesktopServices desktop;
    FakePresence presence{clock};
    InMemoryProfile profile;
    RestReminder reminder{clock, desktop, {}, &presence};
    reminder.loadSettings("30", "1", "1");
    reminder.switchClick(true);
    reminder.setOptions(ReminderOptions::read(profile, clock));
    int prompts = 0;
    for (int i = 0; i < 3 * 3600; ++i) {
        presence.input();
        clock.advanceSeconds(1);
        reminder.tick();
        ASSERT_FALSE(reminder.eyeBreak().isOpen()) << i;
        if (reminder.prompt().isOpen()) {
            ++prompts;
            reminder.promptContinueWork();
        }
    }
    // Only each due rest asks whether a meeting holds it.
    EXPECT_EQ(presence.meetingQueries, prompts);
}

}  // namespace
}  // namespace vistrel::testing
