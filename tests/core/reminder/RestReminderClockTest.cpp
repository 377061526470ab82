#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using ClockJump = RestReminderFixture;

TEST_F(ClockJump, SleepingThroughTheDueMinuteCountsAsTheRest)
{
    load("45", "10");  // due 12:45
    tickFor(1800);
    clock.set(FakeClock::at(13, 10, 30));
    reminder.tick();
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.text1(), "13:55");
    EXPECT_EQ(reminder.label5(), "13:55");
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(13, 55, 0));
}

TEST_F(ClockJump, LandingInsideTheDueMinutePromptsAsUsual)
{
    load("45", "10");
    tickFor(60);
    clock.set(FakeClock::at(12, 45, 30));
    reminder.tick();
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.text1(), "12:45");
}

TEST_F(ClockJump, ABoxHeldOpenDuringTheLoadPastTheDueMinuteStillPrompts)
{
    clock.set(FakeClock::at(12, 0, 50));
    load("1", "10");  // due 12:01; the first tick waits for the box
    clock.set(FakeClock::at(12, 2, 5));
    reminder.tick();
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.text1(), "12:01");
}

TEST_F(ClockJump, JumpsThatMissNoDueMinuteLeaveTheSchedule)
{
    load("45", "10");
    tickFor(60);
    clock.set(FakeClock::at(12, 44, 59));  // forward, but short of the due minute
    reminder.tick();
    EXPECT_EQ(reminder.text1(), "12:45");
    clock.set(FakeClock::at(11, 0, 0));  // backwards: the rest is later, not lost
    reminder.tick();
    EXPECT_EQ(reminder.text1(), "12:45");
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(12, 45, 0));
}

TEST_F(ClockJump, SleepingAcrossMidnightPastTheDueTime)
{
    clock.set(FakeClock::at(23, 50, 0));
    load("30", "10");  // due 00:20
    tickFor(300);
    clock.set(FakeClock::at(8, 0, 5, 2));
    reminder.tick();
    EXPECT_EQ(reminder.text1(), "08:30");

    // More than a day away: whatever the due time, it has passed.
    tickFor(10);
    clock.advanceSeconds(3 * 24 * 3600);
    reminder.tick();
    EXPECT_EQ(reminder.text1(), nowPlus(30));
}

TEST_F(ClockJump, TheResumeNotificationCatchesUpBeforeTheNextTick)
{
    load("45", "10");
    tickFor(1800);
    clock.set(FakeClock::at(14, 0, 0));
    reminder.onResume();
    EXPECT_EQ(reminder.text1(), "14:45");
    clock.advanceSeconds(1);
    reminder.tick();
    EXPECT_EQ(reminder.text1(), "14:45");
}

TEST_F(ClockJump, APendingPromptOrASwitchedOffReminderIsLeftAlone)
{
    load("45", "10");
    ASSERT_TRUE(tickUntilPrompt());
    clock.advanceSeconds(2 * 24 * 3600);
    reminder.onResume();
    reminder.tick();
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 1);
    EXPECT_EQ(reminder.text1(), "12:45");
    reminder.promptContinueWork();

    reminder.switchClick(false);
    const std::string scheduled = reminder.text1();
    clock.advanceSeconds(2 * 3600);
    reminder.onResume();
    reminder.tick();
    EXPECT_EQ(reminder.text1(), scheduled);
    reminder.switchClick(true);
    EXPECT_EQ(reminder.text1(), nowPlus(45));
}

}  // namespace
}  // namespace vistrel::testing
