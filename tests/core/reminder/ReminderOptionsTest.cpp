#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using ReminderOptionsTest = RestReminderFixture;

TEST_F(ReminderOptionsTest, ARestDueWhileWindowsIsBusyWaitsForTheFirstFreeTick)
{
    load("30", "10");  // due 12:30
    reminder.setHoldWhenBusy(true);
    presence.isBusy = true;
    clock.set(FakeClock::at(12, 29, 59));
    tickFor(3 * 60);  // through the due minute and beyond
    EXPECT_FALSE(reminder.prompt().isOpen());
    presence.isBusy = false;
    tickFor(1);
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.prompt().message(), "你有 10 分钟休息时间");

    // Without the option a busy Windows changes nothing.
    reminder.promptContinueWork();
    const std::string due = reminder.text1();
    reminder.setHoldWhenBusy(false);
    presence.isBusy = true;
    ASSERT_TRUE(tickUntilPrompt(31 * 60));
    EXPECT_EQ(TimeOfDay::of(clock.now()).text(), due);
}

TEST_F(ReminderOptionsTest, AwayForTheRestMinutesIsTheRestAndAMinuteLessIsNot)
{
    load("30", "10");  // due 12:30
    reminder.setAwayCountsAsRest(true);
    clock.set(FakeClock::at(12, 21, 0));
    presence.input();
    clock.set(FakeClock::at(12, 29, 59));
    tickFor(1);  // nine minutes away at the due minute: not the rest yet
    EXPECT_TRUE(reminder.prompt().isOpen());
    tickFor(60);  // ten: the prompt asks no more
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);

    clock.set(FakeClock::at(14, 0, 10));
    presence.input();  // back: the next rest a work period later
    tickFor(1);
    EXPECT_EQ(reminder.text1(), "14:30");
    clock.set(FakeClock::at(14, 20, 0));
    presence.input();
    clock.set(FakeClock::at(14, 29, 59));
    tickFor(1);  // exactly ten minutes away when the rest falls due: no prompt
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(promptOpenings, 1);
}

TEST_F(ReminderOptionsTest, ALockedSessionCountsOnceLockedForTheRestMinutes)
{
    load("30", "5");
    reminder.setAwayCountsAsRest(true);
    clock.set(FakeClock::at(12, 26, 0));
    presence.isLocked = true;
    for (int i = 0; i < 4 * 60; ++i) {
        presence.input();  // the lock screen sees a mouse: not idle, but locked
        tickFor(1);
    }
    EXPECT_TRUE(reminder.prompt().isOpen());  // 12:30 came after four locked minutes
    tickFor(61);
    EXPECT_FALSE(reminder.prompt().isOpen());  // locked for five minutes
    presence.isLocked = false;
    presence.input();
    tickFor(1);
    EXPECT_EQ(reminder.text1(), nowPlus(30));
}

TEST_F(ReminderOptionsTest, APauseAcrossMidnightHoldsThePromptsThenSchedulesFromItsEnd)
{
    clock.set(FakeClock::at(23, 40, 0));
    load("10", "5");  // due 23:50
    reminder.pause(ReminderPause::untilLocalTime(FakeClock::at(0, 15, 0, 2)));
    EXPECT_TRUE(reminder.paused());
    tickFor(34 * 60);  // 00:14
    EXPECT_EQ(promptOpenings, 0);
    tickFor(60);
    EXPECT_FALSE(reminder.paused());
    EXPECT_EQ(reminder.text1(), "00:25");
    EXPECT_EQ(reminder.xxrun(), "1");  // the switch keeps its meaning
}

TEST_F(ReminderOptionsTest, ACountdownGoesOnThroughAPauseAndResumingSchedulesAtOnce)
{
    load("1", "2");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    reminder.pause(ReminderPause::forMinutes(clock, 1));
    tickFor(90);  // the pause ends during the rest
    EXPECT_TRUE(reminder.countdown().running());
    EXPECT_EQ(reminder.countdownScreen().label(), "0:0:30");

    reminder.pause(ReminderPause::forMinutes(clock, 60));
    reminder.resumeReminders();
    EXPECT_FALSE(reminder.paused());
    EXPECT_EQ(reminder.text1(), nowPlus(1));
}

// Daylight saving begins (+1 h) or ends (-1 h) while the reminder runs.
class ClockJumpTest : public RestReminderFixture, public ::testing::WithParamInterface<int> {};
INSTANTIATE_TEST_SUITE_P(BothWays, ClockJumpTest, ::testing::Values(3600, -3600));

TEST_P(ClockJumpTest, ATimedPauseLastsItsMinutesInRealTime)
{
    load("45", "10");
    reminder.pause(ReminderPause::forMinutes(clock, 30));  // 12:00 to 12:30
    tickFor(10 * 60);
    clock.jumpLocalClock(GetParam());
    tickFor(1);
    EXPECT_EQ(reminder.options().pause->localEnd(), (LocalTime{FakeClock::at(12, 30).seconds + GetParam()}));
    EXPECT_EQ(pauseEndMoves, 1);  // the settings file is told once
    tickFor(20 * 60 - 2);
    EXPECT_TRUE(reminder.paused());
    tickFor(1);
    EXPECT_FALSE(reminder.paused());
    EXPECT_EQ(pauseEndMoves, 1);
}

TEST_P(ClockJumpTest, APauseUntilTomorrowEndsWhenTheLocalClockShowsMidnight)
{
    clock.set(FakeClock::at(22, 0, 0));
    load("45", "10");
    reminder.pause(ReminderPause::untilLocalTime(FakeClock::at(0, 0, 0, 2)));
    clock.jumpLocalClock(GetParam());
    for (int i = 0; i < 4 * 3600 && reminder.paused(); ++i) tickFor(1);
    EXPECT_EQ(clock.now(), FakeClock::at(0, 0, 0, 2));
    EXPECT_EQ(pauseEndMoves, 0);
}

TEST_P(ClockJumpTest, ALockedSessionIsTimedInRealTime)
{
    load("30", "10");  // due 12:30
    reminder.setAwayCountsAsRest(true);
    clock.set(FakeClock::at(12, 29, 30));
    presence.isLocked = true;
    const auto lockedFor = [&](int seconds) {
        for (int i = 0; i < seconds; ++i) {
            presence.input();  // the lock screen sees a mouse
            tickFor(1);
        }
    };
    lockedFor(30);
    ASSERT_TRUE(reminder.prompt().isOpen());
    clock.jumpLocalClock(GetParam());
    lockedFor(10 * 60 - 30);
    EXPECT_TRUE(reminder.prompt().isOpen());  // locked for a second less than the rest
    lockedFor(1);
    EXPECT_FALSE(reminder.prompt().isOpen());
}

}  // namespace
}  // namespace vistrel::testing
