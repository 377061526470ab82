#include "core/reminder/RestReminderFixture.h"

namespace vistrel::testing {
namespace {

using Reminder = RestReminderFixture;

TEST_F(Reminder, FirstRunLoadsDefaultsAndSwitchesOn)
{
    clock.set(FakeClock::at(12, 0, 59));
    load("mei", "xiuxi", "pdrun");  // no settings file: every key reads as its own name
    EXPECT_EQ(reminder.workMinutesText(), "45");
    EXPECT_EQ(reminder.restMinutesText(), "10");
    EXPECT_EQ(reminder.workMinutesCaption(), "45");
    EXPECT_EQ(reminder.restMinutesCaption(), "10");
    EXPECT_EQ(reminder.xxrun(), "1");
    EXPECT_TRUE(reminder.captionGreen());
    EXPECT_TRUE(reminder.settingsIconVisible());
    EXPECT_EQ(reminder.text1(), "12:45");  // seconds dropped before adding
    EXPECT_EQ(reminder.label5(), "12:45");
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_GE(overlayHides, 1);
}

TEST_F(Reminder, OnlyAStoredZeroLeavesTheSwitchOff)
{
    load("30", "5", "0");
    EXPECT_EQ(reminder.xxrun(), "0");
    EXPECT_FALSE(reminder.captionGreen());
    EXPECT_FALSE(reminder.settingsIconVisible());
    EXPECT_EQ(reminder.workMinutesText(), "30");

    for (std::string_view stored : {std::string_view(""), std::string_view("00"), std::string_view("off")}) {
        load("30", "5", stored);
        EXPECT_EQ(reminder.xxrun(), "1") << stored;
    }
    // The value ends at its first NUL, as it does in a text box.
    EXPECT_EQ(reminder.loadSettings("30", "5", std::string_view("0\0" "1", 3)), "0");
}

TEST_F(Reminder, NextRestWrapsPastMidnightAndFiresTheNextDay)
{
    clock.set(FakeClock::at(23, 50, 20));
    load("30", "10");
    EXPECT_EQ(reminder.text1(), "00:20");
    clock.set(FakeClock::at(0, 19, 58, 2));
    reminder.tick();
    tickFor(1);
    EXPECT_FALSE(reminder.prompt().isOpen());
    tickFor(1);  // 00:20:00
    EXPECT_TRUE(reminder.prompt().isOpen());
}

TEST_F(Reminder, PromptOpensOnceForTheDueMinuteAndWaitsIfUnanswered)
{
    load("45", "15");
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(12, 45, 0));
    EXPECT_EQ(reminder.prompt().message(), "你有 15 分钟休息时间");
    EXPECT_EQ(reminder.pdtipshow(), 1);

    tickFor(3 * 3600);  // nobody answers for hours, past the same minute's next hour too
    EXPECT_EQ(promptOpenings, 1);
    EXPECT_TRUE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 1);
    EXPECT_EQ(reminder.text1(), "12:45");

    reminder.promptContinueWork();
    EXPECT_FALSE(reminder.prompt().isOpen());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), "16:30");
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
}

TEST_F(Reminder, DisplayOffChoicesActOnTheSecondTimerTick)
{
    for (bool lockFirst : {true, false}) {
        desktop.actions.clear();
        load("45", "10");
        ASSERT_TRUE(tickUntilPrompt());
        reminder.promptDisplayOff(lockFirst);
        EXPECT_FALSE(reminder.prompt().isOpen());
        EXPECT_EQ(reminder.pdtipshow(), 0);
        EXPECT_EQ(reminder.text1(), nowPlus(45));
        EXPECT_TRUE(reminder.prompt().displayOffArmed());
        EXPECT_EQ(reminder.prompt().gbtype(), lockFirst ? "0" : "1");

        reminder.displayOffTimerTick();
        EXPECT_TRUE(desktop.actions.empty());
        reminder.displayOffTimerTick();
        const std::vector<std::string> expected =
            lockFirst ? std::vector<std::string>{"lock", "display off"} : std::vector<std::string>{"display off"};
        EXPECT_EQ(desktop.actions, expected);
        EXPECT_FALSE(reminder.prompt().displayOffArmed());
        reminder.displayOffTimerTick();  // disarmed: a stray tick does nothing
        EXPECT_EQ(desktop.actions, expected);

        ASSERT_TRUE(tickUntilPrompt());  // the next due time prompts again
        reminder.promptContinueWork();
    }
}

TEST_F(Reminder, LateClicksOnClosedWindowsDoNothing)
{
    load("45", "10");
    const int before = changes;
    reminder.promptTakeRest();
    reminder.promptContinueWork();
    reminder.promptDisplayOff(true);
    reminder.countdownCloseClick();
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_FALSE(reminder.countdownScreen().isOpen());
    EXPECT_FALSE(reminder.prompt().displayOffArmed());
    EXPECT_EQ(changes, before);
}

TEST_F(Reminder, PanelRefusesValuesOutsideTheirRangesAndStaysOpen)
{
    load("45", "10");
    const std::string scheduled = reminder.text1();
    const int hides = overlayHides;
    clock.advanceMinutes(7);

    reminder.setWorkMinutesText("0");
    EXPECT_FALSE(reminder.applyPanel());
    reminder.setWorkMinutesText("30");
    reminder.setRestMinutesText("556");
    EXPECT_FALSE(reminder.applyPanel());
    reminder.setRestMinutesText("1.5");
    EXPECT_FALSE(reminder.applyPanel());

    using Msg = FakeDesktopServices::Message;
    const std::vector<Msg> expected{
        Msg{"工作时长必须是 1 到 1439 之间的整数", "Vistrel", MessageIcon::Warning},
        Msg{"休息时长必须是 1 到 555 之间的整数", "Vistrel", MessageIcon::Warning},
        Msg{"休息时长必须是 1 到 555 之间的整数", "Vistrel", MessageIcon::Warning},
    };
    EXPECT_EQ(desktop.messages, expected);
    EXPECT_EQ(overlayHides, hides);  // the panel stays open
    EXPECT_EQ(reminder.text1(), scheduled);
    EXPECT_EQ(reminder.restMinutesCaption(), "10");

    reminder.setRestMinutesText(" 05 ");
    EXPECT_TRUE(reminder.applyPanel());
    EXPECT_EQ(overlayHides, hides + 1);
    EXPECT_EQ(reminder.restMinutesText(), "5");
    EXPECT_EQ(reminder.workMinutesCaption(), "30");
    EXPECT_EQ(reminder.restMinutesCaption(), "5");
    EXPECT_EQ(reminder.text1(), nowPlus(30));
}

TEST_F(Reminder, JunkLeftInTheBoxesFallsBackToTheLastGoodValues)
{
    load("20", "3");
    reminder.setWorkMinutesText("abc");  // typed, then Back instead of OK
    reminder.setRestMinutesText("-1");
    ASSERT_TRUE(tickUntilPrompt());
    EXPECT_EQ(clock.now(), FakeClock::at(12, 20, 0));
    EXPECT_EQ(reminder.prompt().message(), "你有 3 分钟休息时间");
    reminder.promptTakeRest();
    EXPECT_EQ(reminder.prompt().tipproMax(), 180);
    EXPECT_EQ(reminder.workMinutesText(), "abc");  // written back at exit as typed
    tickFor(180);
    EXPECT_FALSE(reminder.countdown().running());
    EXPECT_EQ(reminder.pdtipshow(), 0);
    EXPECT_EQ(reminder.text1(), nowPlus(20));
}

TEST_F(Reminder, ATickDuringTheWarningBoxIsSafe)
{
    load("1", "1");
    clock.set(FakeClock::at(12, 0, 59));
    desktop.onMessage = [this](const FakeDesktopServices::Message&) { tickFor(2); };
    reminder.setWorkMinutesText("");
    EXPECT_FALSE(reminder.applyPanel());
    EXPECT_TRUE(reminder.prompt().isOpen());  // the due minute came while the box was open
}

TEST_F(Reminder, HiddenButtonsMoveOnlyTheHiddenTime)
{
    load("45", "10");
    reminder.command1();
    EXPECT_EQ(reminder.text1(), "13:30");
    EXPECT_EQ(reminder.label5(), "12:45");
    clock.set(FakeClock::at(23, 30, 0));
    reminder.command2();
    EXPECT_EQ(reminder.text1(), "00:25");
    EXPECT_EQ(reminder.label5(), "12:45");
}

TEST_F(Reminder, QuietTicksDoNotAskForARedraw)
{
    load("45", "10");
    const int before = changes;
    tickFor(30);
    EXPECT_EQ(changes, before);
}

}  // namespace
}  // namespace vistrel::testing
