#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using Resting = RestReminderFixture;

TEST_F(Resting, FifteenMinuteRestRunsToItsEndAndSchedulesTheNext)
{
    load("45", "15");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 1);
    ASSERT_TRUE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.countdownScreen().label(), "Start");
    EXPECT_EQ(reminder.countdownScreen().copy(), "");
    EXPECT_EQ(reminder.prompt().tipproValue(), 0);
    EXPECT_EQ(reminder.prompt().tipproMax(), 900);

    tickFor(1);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:14:59");
    EXPECT_EQ(reminder.countdownScreen().copy(), "Start");
    tickFor(1);
    EXPECT_EQ(reminder.countdownScreen().copy(), "0:14:59");
    tickFor(58);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:13:60");
    EXPECT_EQ(reminder.prompt().tipproValue(), 60);

    tickFor(839);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:0:1");
    EXPECT_TRUE(reminder.countdownScreen().isOpen());
    tickFor(1);  // tick 900
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.countdownScreen().label(), "0:0:1");  // 0:0:0 is never shown
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_EQ(reminder.countdown().djscount(), 900);
    EXPECT_EQ(reminder.prompt().tipproValue(), 900);
    EXPECT_EQ(reminder.prompt().tipproMax(), 900);
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(clock.now(), FakeClock::at(13, 0, 0));
    EXPECT_EQ(reminder.text1(), "13:45");
    EXPECT_EQ(reminder.label5(), "13:45");
}

TEST_F(Resting, SwitchingOffFreezesTheCountdownAndSwitchingOnResumesIt)
{
    load("45", "15");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    tickFor(10);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:14:50");

    reminder.switchClick(false);
    EXPECT_FALSE(reminder.captionGreen());
    tickFor(600);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:14:50");
    EXPECT_EQ(reminder.countdown().djscount(), 10);
    EXPECT_TRUE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 1);

    reminder.switchClick(true);
    EXPECT_EQ(reminder.text1(), nowPlus(45));
    tickFor(1);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:14:49");
    tickFor(889);
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
}

TEST_F(Resting, ClosingTheScreenEarlyLetsTheRestEndUnseen)
{
    load("10", "5");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    tickFor(90);
    reminder.countdownCloseClick();
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), nowPlus(10));
    EXPECT_TRUE(reminder.countdown().running());  // goes on unseen

    tickFor(210);  // tick 300: the end, unseen
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), nowPlus(10));
}

TEST_F(Resting, ANewPromptDuringAnUnseenRestIsClosedWhenTheRestEnds)
{
    load("1", "3");
    ASSERT_TRUE(tickUntilPrompt());  // 12:01
    reminder.promptTakeRest();
    tickFor(10);
    reminder.countdownCloseClick();  // next rest 12:02
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(12, 2, 0));
    EXPECT_EQ(reminder.pdtipshow(), 1);

    tickFor(120);  // the first rest reaches zero at 12:04:00
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), "12:05");
}

TEST_F(Resting, AcceptingANewPromptRestartsTheCountdownFromZero)
{
    load("1", "3");
    ASSERT_TRUE(tickUntilPrompt());
    reminder.promptTakeRest();
    tickFor(10);
    reminder.countdownCloseClick();
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(reminder.countdown().djscount(), 60);
    reminder.promptTakeRest();
    EXPECT_EQ(reminder.countdown().djscount(), 0);
    EXPECT_EQ(reminder.prompt().tipproValue(), 0);
    EXPECT_EQ(reminder.countdownScreen().label(), "Start");
    EXPECT_EQ(reminder.countdownScreen().copy(), "");
    tickFor(1);
    EXPECT_EQ(reminder.countdownScreen().label(), "0:2:59");
}

TEST_F(Resting, TheClockJumpingDuringARestDoesNotChangeItsLength)
{
    clock.set(FakeClock::at(23, 50, 0));
    load("5", "15");
    ASSERT_TRUE(tickUntilPrompt());  // 23:55, the rest runs across midnight
    reminder.promptTakeRest();
    tickFor(300);
    clock.advanceSeconds(-2 * 3600);  // the clock is set back two hours
    tickFor(300);
    clock.advanceSeconds(3 * 3600);  // and forward three
    tickFor(299);
    EXPECT_TRUE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.countdownScreen().label(), "0:0:1");
    tickFor(1);
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), nowPlus(5));
}

}  // namespace
}  // namespace vistrel::testing
